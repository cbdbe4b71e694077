// The writer alone, through the converter's road: an Arabic text written into the Chinese field.

#include "rules/rules_fixture.h"

namespace {

using WriterRulesTest = RulesFixture;

struct Ecriture {
  const char16_t* arabe;
  const char16_t* chinois;
};

TEST_F(WriterRulesTest, ArabicTextsAreWrittenInChinese) {
  const Ecriture cas[] = {
      {u"0", u"零"},           {u"10", u"十"},
      {u"123", u"一百二十三"}, {u"100005", u"十万零五"},
      {u"-0.5", u"负零点五"},  {u"000012", u"十二"},
      {u" 12\t", u"十二"},     {u"999999999999", u"九千九百九十九亿九千九百九十九万九千九百九十九"},
      {u"1x", u"???????"},     {u"😀", u"???????"},
  };
  for (const Ecriture& c : cas) {
    convertirArabe(QString::fromUtf16(c.arabe));
    EXPECT_EQ(vue.chinois(), QString::fromUtf16(c.chinois)) << QString::fromUtf16(c.arabe).toStdString();
  }
  EXPECT_TRUE(vue.messages.empty());
}

TEST_F(WriterRulesTest, ThirteenIntegerDigitsAreOutOfRange) {
  convertirArabe(QStringLiteral("1234567890123"));
  EXPECT_EQ(vue.chinois(), QStringLiteral("??????"));
  EXPECT_EQ(vue.messages, std::vector<Message>{Message::horslimites});
  EXPECT_TRUE(calc.arabechinois.tropbig);
  EXPECT_EQ(vue.focus_, Cible::arabe);
}

TEST_F(WriterRulesTest, EveryTableWritesItsOwnCharacters) {
  const std::pair<const chartables::Table*, const char16_t*> cas[] = {
      {&chartables::simplifiedUsual, u"一万二千"},
      {&chartables::traditionalUsual, u"一萬二千"},
      {&chartables::simplifiedFinancial, u"壹万贰仟"},
      {&chartables::traditionalFinancial, u"壹萬貳仟"},
  };
  for (const auto& [table, chinois] : cas) {
    utiliserTable(*table);
    convertirArabe(QStringLiteral("12000"));
    EXPECT_EQ(vue.chinois(), QString::fromUtf16(chinois));
  }
}

}  // namespace
