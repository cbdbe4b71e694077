// The Chinese field of the converter read into the Arabic field, in every character table.

#include <vector>

#include "numerals/reader_fixture.h"

namespace {

struct Case {
  const char* text;  // in simplified usual characters; each table reads its own version
  const char* arabic;
  bool italic;
};

// The rules of writing, from the simplest forms to the edges of the range.
const std::vector<Case> kCases = {
    // Tens: 一十 is written 十, except inside a number.
    {"十五", "15", false},
    {"二十", "20", false},
    {"一十", "????????", false},
    {"负一十", "????????", false},
    {"一百一十", "110", false},
    {"十", "10", false},
    {"十万", "100000", false},
    {"负十", "-10", false},
    // 百 and 千 need a digit before them.
    {"百", "????????", false},
    {"千", "????????", false},
    {"负百", "????????", false},
    // Zeros.
    {"二十零", "????????", false},
    {"一百零五", "105", false},
    {"一百零五十", "????????", false},
    {"一千零五十", "1050", false},
    {"一千二十", "????????", false},
    {"一千零零五", "????????", false},
    {"一百零", "100", true},
    {"五零", "????????", false},
    {"零", "0", false},
    {"零五", "????????", false},
    {"零零", "????????", false},
    {"零十", "????????", false},
    {"零点五", "0.5", false},
    {"负零", "-0", false},
    {"负零五", "????????", false},
    {"负零点五", "-0.5", false},
    {"点五", "0.5", false},
    {"点", "0.", false},
    // The minus comes first or not at all.
    {"负", "-", false},
    {"负五", "-5", false},
    {"五负", "????????", false},
    {"负负", "????????", false},
    // Digits after digits, powers that do not step down.
    {"五五", "????????", false},
    {"五百五百", "????????", false},
    {"五十百", "????????", false},
    {"三千百", "????????", false},
    // Abbreviated forms read in italics; no point or separator follows them.
    {"三百五", "350", true},
    {"三百五十", "350", false},
    {"三千五", "3500", true},
    {"三万五", "35000", true},
    {"三亿五", "350000000", true},
    {"三百五万", "????????", false},
    {"三百九万", "????????", false},
    {"三百五点", "????????", false},
    {"一百零点五", "????????", false},
    // 十 lets a separator follow its digit; after a separator only 千 comes.
    {"二十五万", "250000", false},
    {"三亿零二十五万", "300250000", false},
    {"三亿二千零二十五万", "320250000", false},
    {"三亿二十五万", "????????", false},
    // Digits after 亿 count in units of 万 until 万 closes them.
    {"三亿五千", "350000000", true},
    {"三亿五千万", "350000000", false},
    {"三亿", "300000000", false},
    {"三亿零五千", "300005000", false},
    {"三亿零五百万", "305000000", false},
    {"三亿零五千万", "????????", false},
    {"一亿零五万", "100050000", false},
    {"一亿零五", "100000005", false},
    {"一亿零", "100000000", true},
    {"三万零五", "30005", false},
    {"三万零", "30000", true},
    {"三万零万", "????????", false},
    {"三亿零亿", "????????", false},
    // Separators come once, 亿 before 万, never twice in a row; none at the start.
    {"一万二万", "????????", false},
    {"一万一亿", "????????", false},
    {"一亿二亿", "????????", false},
    {"一万亿", "????????", false},
    {"万", "????????", false},
    {"负亿", "????????", false},
    {"零万", "????????", false},
    // Points.
    {"三点", "3.", false},
    {"三点零五", "3.05", false},
    {"三点五点", "????????", false},
    {"三点五万", "????????", false},
    {"三点五十", "????????", false},
    {"负三点一四", "-3.14", false},
    // The largest number and its two decimals.
    {"九千九百九十九亿九千九百九十九万九千九百九十九", "999999999999", false},
    {"九千九百九十九亿九千九百九十九万九千九百九十九点九九", "999999999999.99", false},
    {"负九千九百九十九亿九千九百九十九万九千九百九十九点九九", "-999999999999.99", false},
};

class ConverterReading : public ReaderFixture, public ::testing::WithParamInterface<CharacterTable> {};

TEST_P(ConverterReading, ReadsEveryRuleOfWritingInItsOwnTable) {
  startWith(GetParam());
  for (const Case& c : kCases) {
    const QString text = inTable(GetParam(), QString::fromUtf8(c.text));
    SCOPED_TRACE(text.toStdString());
    convert(text);
    EXPECT_EQ(chineseField(), text);
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    if (arabicField() != kRefused) {
      EXPECT_EQ(arabicItalic(), c.italic);
    }
    EXPECT_FALSE(noteShown());
  }
  EXPECT_TRUE(services().messages.isEmpty());
}

// After the point the reader keeps 14 digits: the one that makes them 14 is the last one
// read, and every numeral character after it is ignored without a mark.
TEST_P(ConverterReading, StopsReadingAtFourteenDigits) {
  startWith(GetParam());
  const struct {
    const char* text;
    const char* arabic;
  } cases[] = {
      {"三点一二三四五六七八九一二三四五六七", "3.1234567891234"},
      {"三点一二三四五六七八九一二三四", "3.1234567891234"},
      {"零点一二三四五六七八九一二三四五六七", "0.12345678912345"},
      {"负零点零零零零零零零零零零零零零一二", "-0.00000000000001"},
      {"九千九百九十九亿九千九百九十九万九千九百九十九点一二三", "999999999999.12"},
      {"一千亿点一二三", "100000000000.12"},
      {"十点一二三四五六七八九一二三四", "10.123456789123"},
      // Saturated: a second point, a separator or a minus is ignored too.
      {"三点一二三四五六七八九一二三四点万负", "3.1234567891234"},
  };
  for (const auto& c : cases) {
    const QString text = inTable(GetParam(), QString::fromUtf8(c.text));
    SCOPED_TRACE(text.toStdString());
    convert(text);
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    EXPECT_EQ(reader().sature, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTables, ConverterReading, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

class ConverterFieldTest : public ReaderFixture {};

TEST_F(ConverterFieldTest, TrimsSpacesAndControlsAtBothEndsOnly) {
  startWith(CharacterTable::SimplifiedUsual);
  const struct {
    const char* pasted;
    const char* field;
    const char* arabic;
  } cases[] = {
      {"  三百  ", "三百", "300"},
      {"\t三百\n", "三百", "300"},
      {"\n\n三百\r\n \t", "三百", "300"},
      {"\x01三百\x1f", "三百", "300"},
      {"     ", "", ""},
      {"\t\n", "", ""},
      {"", "", ""},
      // Inside the text nothing is trimmed: a space there is refused.
      {" 三 百 ", "三 百", "????????"},
      // A full-width space is no control character.
      {"三百\u3000", "三百\u3000", "????????"},
      {"\u3000三百", "\u3000三百", "????????"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pasted);
    convert(QString::fromUtf8(c.pasted));
    EXPECT_EQ(chineseField(), QString::fromUtf8(c.field));
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    EXPECT_FALSE(noteShown());
  }
}

TEST_F(ConverterFieldTest, RefusesCharactersThatAreNoNumeral) {
  startWith(CharacterTable::SimplifiedUsual);
  for (const char* text : {"两百", "〇", "3百", "三3", "三百a", "三,百", "三百。", "负-五", "三亿零五千万x", "x"}) {
    SCOPED_TRACE(text);
    convert(QString::fromUtf8(text));
    EXPECT_EQ(arabicField(), kRefused);
    EXPECT_FALSE(noteShown());
  }
}

// Characters of another table are read, and the note says so; a refused text shows no note.
TEST_F(ConverterFieldTest, NotesCharactersOfAnotherTable) {
  const struct {
    CharacterTable table;
    const char* text;
    const char* arabic;
    bool note;
  } cases[] = {
      {CharacterTable::SimplifiedUsual, "壹佰", "100", true},
      {CharacterTable::SimplifiedUsual, "壹佰两", "????????", false},
      {CharacterTable::SimplifiedUsual, "两壹佰", "????????", false},
      {CharacterTable::SimplifiedUsual, "一百", "100", false},
      {CharacterTable::SimplifiedUsual, "一萬", "10000", true},
      {CharacterTable::SimplifiedUsual, "負五", "-5", true},
      {CharacterTable::SimplifiedUsual, "三點五", "3.5", true},
      {CharacterTable::SimplifiedUsual, "三億", "300000000", true},
      {CharacterTable::SimplifiedUsual, "一萬二千", "12000", true},
      {CharacterTable::TraditionalUsual, "一万", "10000", true},
      {CharacterTable::TraditionalUsual, "一萬", "10000", false},
      {CharacterTable::TraditionalUsual, "一百零五", "105", false},
      {CharacterTable::TraditionalUsual, "贰", "2", true},
      {CharacterTable::TraditionalUsual, "貳", "2", true},
      {CharacterTable::SimplifiedFinancial, "壹万贰仟", "12000", false},
      {CharacterTable::SimplifiedFinancial, "一万", "10000", true},
      {CharacterTable::SimplifiedFinancial, "贰", "2", false},
      {CharacterTable::SimplifiedFinancial, "貳", "2", true},
      {CharacterTable::TraditionalFinancial, "參億零伍萬", "300050000", false},
      {CharacterTable::TraditionalFinancial, "叁億零伍萬", "300050000", true},
      {CharacterTable::TraditionalFinancial, "參亿零伍萬", "300050000", true},
      {CharacterTable::TraditionalFinancial, "零", "0", false},
      // Recorded even after a refusal; the refusal hides it.
      {CharacterTable::TraditionalFinancial, "壹壹万", "????????", false},
      // Every table's characters mixed in one numeral.
      {CharacterTable::SimplifiedUsual, "一亿貳仟叁佰四十萬伍千陸百七十捌點九", "123405678.9", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(tableName(c.table)) + " " + c.text);
    startWith(c.table);
    convert(QString::fromUtf8(c.text));
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    EXPECT_EQ(noteShown(), c.note);
  }
}

TEST_F(ConverterFieldTest, HidesTheNoteAtTheNextChangeAndShowsItAgainWhenDue) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("壹佰"));
  ASSERT_TRUE(noteShown());
  convert(QStringLiteral("一百"));
  EXPECT_FALSE(noteShown());
  convert(QStringLiteral("壹佰"));
  EXPECT_TRUE(noteShown());
  // A click into the field reads it again.
  click(QStringLiteral("EFca"));
  EXPECT_EQ(arabicField(), QStringLiteral("100"));
}

TEST_F(ConverterFieldTest, ReadsAtEveryKeystroke) {
  startWith(CharacterTable::SimplifiedUsual);
  click(QStringLiteral("EFca"));
  const struct {
    const char* key;
    const char* arabic;
    bool italic;
  } steps[] = {
      {"三", "3", false},        {"亿", "300000000", false}, {"五", "350000000", true},
      {"千", "350000000", true}, {"万", "350000000", false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.key);
    type(QString::fromUtf8(step.key));
    EXPECT_EQ(arabicField(), QString::fromUtf8(step.arabic));
    EXPECT_EQ(arabicItalic(), step.italic);
  }
  EXPECT_EQ(chineseField(), QStringLiteral("三亿五千万"));
}

TEST_F(ConverterFieldTest, ReadsTextsCommittedByAnInputMethod) {
  startWith(CharacterTable::TraditionalUsual);
  click(QStringLiteral("EFca"));
  commit(QStringLiteral("EFca"), QStringLiteral("一萬零五"));
  EXPECT_EQ(chineseField(), QStringLiteral("一萬零五"));
  EXPECT_EQ(arabicField(), QStringLiteral("10005"));
  commit(QStringLiteral("EFca"), QStringLiteral("十"));
  EXPECT_EQ(arabicField(), QStringLiteral("10050"));
}

// A text refused once is judged anew at the next change.
TEST_F(ConverterFieldTest, StartsEveryReadingAfresh) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("一十"));
  ASSERT_EQ(arabicField(), kRefused);
  convert(QStringLiteral("十"));
  EXPECT_EQ(arabicField(), QStringLiteral("10"));
  EXPECT_FALSE(reader().efcamauvais);
}

}  // namespace
