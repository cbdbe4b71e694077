// The converter's Arabic field written out as Chinese numerals, in all four character tables.

#include <vector>

#include "numerals/writer_fixture.h"
#include "strings/langues.h"

namespace {

const QString kOutOfRange = QStringLiteral("??????");

struct Case {
  const char16_t* arabic;
  const char16_t* chinese;  // in the simplified usual table, or a marker
};

class WriterConverterTest : public WriterFixture, public ::testing::WithParamInterface<CharacterTable> {};

TEST_P(WriterConverterTest, ReportsAnIntegerPartOfThirteenDigitsOrMore) {
  useTable(GetParam());
  for (const char* arabic : {"1234567890123", "-1000000000000", "12345678901234567", "1000000000000.5",
                             // the bad character lies beyond the 14 digits kept
                             "12345678901234x"}) {
    SCOPED_TRACE(arabic);
    services().messages.clear();
    writeArabic(QString::fromLatin1(arabic));
    EXPECT_EQ(chineseField(), kOutOfRange);
    EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
    EXPECT_TRUE(writer().tropbig);
    EXPECT_EQ(writer().tradenchinois, QString());
    EXPECT_EQ(application().focusedControl(), fpr().EFcr);
    EXPECT_EQ(application().position, 3);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTables, WriterConverterTest, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

class WriterFieldTest : public WriterFixture {};

TEST_F(WriterFieldTest, TraditionalFinancialNumerals) {
  useTable(CharacterTable::TraditionalFinancial);
  const std::vector<Case> cases = {
      {u"10", u"拾"},
      {u"110", u"壹佰壹拾"},
      {u"100010000", u"壹億零壹萬"},
      {u"-20.05", u"負貳拾點零伍"},
      {u"30000.6", u"參萬點陸"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString::fromUtf16(c.arabic).toStdString());
    writeArabic(QString::fromUtf16(c.arabic));
    EXPECT_EQ(chineseField(), QString::fromUtf16(c.chinese));
  }
}

TEST_F(WriterFieldTest, TrimsBlanksAndControlCharactersAtBothEnds) {
  const std::vector<Case> cases = {
      {u"  12  ", u"12"},
      {u"\t\n12\r\n", u"12"},
      {u"\x01\x1f 12\x7f", u"12\x7f"},  // DEL (127) is no blank: it stays and is a bad character
      {u" 1 2 ", u"1 2"},
      {u"   ", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString::fromUtf16(c.arabic).toStdString());
    writeArabic(QString::fromUtf16(c.arabic));
    EXPECT_EQ(arabicField(), QString::fromUtf16(c.chinese));
  }
  writeArabic(QStringLiteral(" \t12\n "));
  EXPECT_EQ(chineseField(), QStringLiteral("十二"));
}

TEST_F(WriterFieldTest, AnEmptyFieldEmptiesTheChineseField) {
  writeArabic(QStringLiteral("12"));
  ASSERT_EQ(chineseField(), QStringLiteral("十二"));
  writeArabic(QString());
  EXPECT_EQ(chineseField(), QString());
  writeArabic(QStringLiteral("12"));
  writeArabic(QStringLiteral("  "));
  EXPECT_EQ(chineseField(), QString());
}

TEST_F(WriterFieldTest, AnOutOfRangeTextWithBlanksShowsOneMessage) {
  writeArabic(QStringLiteral("   1234567890123 \t\n  "));
  EXPECT_EQ(arabicField(), QStringLiteral("1234567890123"));
  EXPECT_EQ(chineseField(), kOutOfRange);
  EXPECT_EQ(services().messages.size(), 1);
  EXPECT_EQ(application().focusedControl(), fpr().EFcr);
}

TEST_F(WriterFieldTest, ANewTextAfterAnOutOfRangeOneIsWrittenAgain) {
  writeArabic(QStringLiteral("1234567890123"));
  ASSERT_TRUE(writer().tropbig);
  writeArabic(QStringLiteral("123456789012"));
  EXPECT_FALSE(writer().tropbig);
  EXPECT_EQ(chineseField(), QStringLiteral("一千二百三十四亿五千六百七十八万九千零一十二"));
  EXPECT_EQ(services().messages.size(), 1);
}

TEST_F(WriterFieldTest, OutsideTheArabicFieldOnlyTrims) {
  fpr().EFca->setText(QStringLiteral("三"));
  for (int position : {1, 2}) {
    SCOPED_TRACE(position);
    application().position = position;
    fpr().EFcr->setText(QStringLiteral(" 1234567890123 "));
    writer().crchange();
    EXPECT_EQ(arabicField(), QStringLiteral("1234567890123"));
    EXPECT_EQ(chineseField(), QStringLiteral("三"));
    EXPECT_EQ(application().position, position);
    EXPECT_TRUE(services().messages.isEmpty());
    fpr().EFcr->setText(QString());
  }
}

TEST_F(WriterFieldTest, WritingMakesTheArabicFieldUpright) {
  fpr().EFcr->setItalic(true);
  writeArabic(QStringLiteral("350"));
  EXPECT_FALSE(fpr().EFcr->italic());
  EXPECT_EQ(chineseField(), QStringLiteral("三百五十"));
}

TEST_F(WriterFieldTest, AChangeOfTableActsAtTheNextWriting) {
  writeArabic(QStringLiteral("12"));
  application().tradfinancier();
  EXPECT_EQ(chineseField(), QStringLiteral("十二"));
  writeArabic(QStringLiteral("120"));
  EXPECT_EQ(chineseField(), QStringLiteral("壹佰貳拾"));
}

}  // namespace
