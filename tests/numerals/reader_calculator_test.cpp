// The calculator display fed by the keypad: the Chinese text, its Arabic echo, the refusal
// message, and the current lines of the paper tape and the history.

#include <vector>

#include "numerals/reader_fixture.h"
#include "strings/langues.h"

namespace {

struct KeyCase {
  const char* keys;     // the characters whose keys are pressed, simplified usual
  const char* display;  // what stays on the display
  const char* echo;
  bool italic;
  int refusals;  // message boxes shown
};

const std::vector<KeyCase> kKeyCases = {
    {"十五", "十五", "15", false, 0},
    {"一十", "一", "1", false, 1},
    {"一百一十", "一百一十", "110", false, 0},
    {"百", "", "", false, 1},
    {"十万", "十万", "100000", false, 0},
    {"零", "零", "0", false, 0},
    {"零五", "零", "0", false, 1},
    {"零零点五", "零点五", "0.5", false, 1},
    {"负", "负", "-", false, 0},
    {"负零点五", "负零点五", "-0.5", false, 0},
    {"五负", "五", "5", false, 1},
    {"三百五", "三百五", "350", true, 0},
    {"三百五十", "三百五十", "350", false, 0},
    // Refused characters are dropped and the number goes on.
    {"三百五点", "三百五", "350", true, 1},
    {"三百五万十", "三百五十", "350", false, 1},
    {"一百零点五", "一百零五", "105", false, 1},
    {"三亿五千", "三亿五千", "350000000", true, 0},
    {"三亿五千万", "三亿五千万", "350000000", false, 0},
    {"三亿零五千万", "三亿零五千", "300005000", false, 1},
    {"一亿零五万", "一亿零五万", "100050000", false, 0},
    {"一万二万", "一万二", "12000", true, 1},
    {"一亿二亿", "一亿二", "120000000", true, 1},
    {"三点零五", "三点零五", "3.05", false, 0},
    {"三点五点", "三点五", "3.5", false, 1},
    {"点", "点", "0.", false, 0},
    // After 13 decimals of 三点, nothing more is taken, and nothing is said.
    {"三点一二三四五六七八九一二三四五点万", "三点一二三四五六七八九一二三四", "3.1234567891234", false, 0},
    {"零点一二三四五六七八九一二三四五六", "零点一二三四五六七八九一二三四五", "0.12345678912345", false, 0},
    {"九千九百九十九亿九千九百九十九万九千九百九十九点九九九", "九千九百九十九亿九千九百九十九万九千九百九十九点九九",
     "999999999999.99", false, 0},
};

class CalculatorReading : public ReaderFixture, public ::testing::WithParamInterface<CharacterTable> {};

TEST_P(CalculatorReading, ShowsEachAcceptedKeyAndRefusesTheRest) {
  startWith(GetParam());
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.keys);
    press(QStringLiteral("BevelButton2"));  // the clear key
    services().messages.clear();
    keyIn(inTable(GetParam(), QString::fromUtf8(c.keys)));
    EXPECT_EQ(displayText(), inTable(GetParam(), QString::fromUtf8(c.display)));
    EXPECT_EQ(echoText(), QString::fromUtf8(c.echo));
    EXPECT_EQ(echoItalic(), c.italic);
    EXPECT_EQ(services().messages.size(), c.refusals);
    for (const QString& message : services().messages) {
      EXPECT_EQ(message, langues::lxecritureincorrecte());
    }
    EXPECT_EQ(application().position, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTables, CalculatorReading, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

class CalculatorReaderTest : public ReaderFixture {};

TEST_F(CalculatorReaderTest, KeepsTheValueAndTheTapeAndHistoryLines) {
  startWith(CharacterTable::SimplifiedUsual);
  keyIn(QStringLiteral("负十二点五"));
  EXPECT_EQ(application().n0valeur, -12.5);
  EXPECT_EQ(reader().textactuel, QStringLiteral("负十二点五"));
  const EcrireSurBande& tape = application().ecriresurbande;
  EXPECT_EQ(tape.ligne[tape.ii], QStringLiteral("负十二点五"));
  const Historique& history = application().historique;
  EXPECT_EQ(history.tligne[history.jj], QStringLiteral("负十二点五"));
  EXPECT_EQ(fpr().StaticText1->textSize(), 20);
}

// The display read again from its own text, as a click on it, the engine and the delete key
// have it read.
TEST_F(CalculatorReaderTest, RebuildsTheNumberFromTheDisplayText) {
  startWith(CharacterTable::SimplifiedUsual);
  keyIn(QStringLiteral("三百五"));
  click(QStringLiteral("Canvas4"));
  EXPECT_EQ(displayText(), QStringLiteral("三百五"));
  EXPECT_EQ(echoText(), QStringLiteral("350"));
  EXPECT_TRUE(echoItalic());
  EXPECT_EQ(reader().actuel, 350);
  EXPECT_EQ(application().n0valeur, 350);
  const EcrireSurBande& tape = application().ecriresurbande;
  EXPECT_EQ(tape.ligne[tape.ii], QStringLiteral("三百五"));
  const Historique& history = application().historique;
  EXPECT_EQ(history.tligne[history.jj], QStringLiteral("三百五"));
  // The number goes on from there.
  keyIn(QStringLiteral("十"));
  EXPECT_EQ(echoText(), QStringLiteral("350"));
  EXPECT_FALSE(echoItalic());
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(CalculatorReaderTest, GivesEachRefusedCharacterOfATextItsOwnMessage) {
  startWith(CharacterTable::SimplifiedUsual);
  const struct {
    const char* text;
    const char* display;
    const char* echo;  // nullptr: the echo is left as it was
    int refusals;
  } cases[] = {
      {"三x五", "三", "3", 2}, {"三 百", "三百", "300", 1}, {"一十十", "一", "1", 2},
      {"??", "", nullptr, 2},  {"壹佰", "壹佰", "100", 0},  {"", "", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    services().messages.clear();
    readDisplayText(QString::fromUtf8(c.text));
    EXPECT_EQ(displayText(), QString::fromUtf8(c.display));
    if (c.echo != nullptr) {
      EXPECT_EQ(echoText(), QString::fromUtf8(c.echo));
    }
    EXPECT_EQ(services().messages.size(), c.refusals);
    EXPECT_FALSE(reader().efcamauvais);
  }
}

TEST_F(CalculatorReaderTest, EmptiesTheEchoAndTheTapeLineForAnEmptyText) {
  startWith(CharacterTable::SimplifiedUsual);
  keyIn(QStringLiteral("十二"));
  readDisplayText(QString());
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(echoText(), QString());
  const EcrireSurBande& tape = application().ecriresurbande;
  EXPECT_EQ(tape.ligne[tape.ii], QString());
}

// A display written in one table and read again by the calculator after the table changed
// raises the note, as long as a converter reading left it armed.
TEST_F(CalculatorReaderTest, NotesADisplayOfAnotherTable) {
  startWith(CharacterTable::SimplifiedUsual);
  convert(QStringLiteral("一"));
  click(QStringLiteral("Canvas4"));
  keyIn(QStringLiteral("三万"));
  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  ASSERT_EQ(application().c104, QStringLiteral("萬"));
  press(QStringLiteral("BBad"));
  EXPECT_EQ(application().N1valeur, 30000);
  EXPECT_TRUE(noteShown());
  EXPECT_EQ(reader().fouimaisdemandee, -1);
}

}  // namespace
