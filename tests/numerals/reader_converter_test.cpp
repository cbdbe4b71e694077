// The Chinese field of the converter read into the Arabic field, in every character table.

#include <vector>

#include "numerals/reader_fixture.h"

namespace {

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
