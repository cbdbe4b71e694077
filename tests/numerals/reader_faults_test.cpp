// Texts that a literal reading of the rules of writing would get wrong.

#include <QApplication>

#include "numerals/reader_fixture.h"

namespace {

class ReaderSoundnessTest : public ReaderFixture {};

// A 万 group that ends in 零 and a digit, after 亿: the echo is italic only because the digits
// after 亿 wait for 万, and 万 is just what closes them.
TEST_F(ReaderSoundnessTest, ReadsTheStandardWritingOfZerosInsideTheWanGroupAfterYi) {
  startWith(CharacterTable::SimplifiedUsual);
  const struct {
    const char* text;
    const char* arabic;
  } cases[] = {
      {"一亿一千零五万", "110050000"},
      {"一亿一千零五万零五", "110050005"},
      {"九千九百九十九亿九千零九万九千零九", "999990099009"},
      {"三亿二千零一万", "320010000"},
      {"五亿六千零一十万", "560100000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    convert(QString::fromUtf8(c.text));
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    EXPECT_FALSE(arabicItalic());
    click(QStringLiteral("Canvas4"));
    press(QStringLiteral("BevelButton2"));
    services().messages.clear();
    keyIn(QString::fromUtf8(c.text));
    EXPECT_EQ(echoText(), QString::fromUtf8(c.arabic));
    EXPECT_FALSE(echoItalic());
    EXPECT_TRUE(services().messages.isEmpty());
  }
  // An abbreviated form still takes no separator.
  for (const char* text : {"一亿一千五万", "三百五万", "一亿三百五万"}) {
    SCOPED_TRACE(text);
    convert(QString::fromUtf8(text));
    EXPECT_EQ(arabicField(), kRefused);
  }
}

// 亿零…千 stands for an empty 万 group; a 千 after a later 零 means nothing.
TEST_F(ReaderSoundnessTest, TakesAThousandAfterYiZeroOnlyForAnEmptyWanGroup) {
  startWith(CharacterTable::SimplifiedUsual);
  const struct {
    const char* text;
    const char* arabic;
  } cases[] = {
      {"一千三百六十亿六千零一千万", "????????"},
      {"一亿六千零一千", "????????"},
      {"一亿六百零一千", "????????"},
      {"一亿零一千", "100001000"},
      {"一亿零一千零一", "100001001"},
      {"一亿零一千万", "????????"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    convert(QString::fromUtf8(c.text));
    EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
  }
  click(QStringLiteral("Canvas4"));
  keyIn(QStringLiteral("一千三百六十亿六千零一千"));
  EXPECT_EQ(services().messages.size(), 1);
  EXPECT_EQ(displayText(), QStringLiteral("一千三百六十亿六千零一"));
}

TEST_F(ReaderSoundnessTest, StartsANewNumberUprightInTheConverter) {
  startWith(CharacterTable::SimplifiedUsual);
  click(QStringLiteral("EFca"));
  type(QStringLiteral("三百五"));
  ASSERT_TRUE(arabicItalic());
  // Deleted with the backspace key, then a new number.
  type(QStringLiteral("\b\b\b"));
  ASSERT_EQ(chineseField(), QString());
  EXPECT_FALSE(arabicItalic());
  type(QStringLiteral("点五"));
  EXPECT_EQ(arabicField(), QStringLiteral("0.5"));
  // Emptied at once, then pasted.
  convert(QStringLiteral("三百五"));
  ASSERT_TRUE(arabicItalic());
  convert(QStringLiteral("点五"));
  EXPECT_EQ(arabicField(), QStringLiteral("0.5"));
}

TEST_F(ReaderSoundnessTest, StartsANewNumberUprightOnTheDisplay) {
  startWith(CharacterTable::SimplifiedUsual);
  const char* const clears[] = {"BevelButton2", "BevelButton1"};
  for (const char* clearKey : clears) {
    SCOPED_TRACE(clearKey);
    keyIn(QStringLiteral("三百五"));
    ASSERT_TRUE(echoItalic());
    // The clear key once, or the delete key for each character.
    const int presses = QString::fromLatin1(clearKey) == QLatin1String("BevelButton1") ? 3 : 1;
    for (int i = 0; i < presses; ++i) press(QString::fromLatin1(clearKey));
    ASSERT_EQ(displayText(), QString());
    EXPECT_FALSE(echoItalic());
    services().messages.clear();
    keyIn(QStringLiteral("点五"));
    EXPECT_EQ(echoText(), QStringLiteral("0.5"));
    EXPECT_TRUE(services().messages.isEmpty());
    press(QStringLiteral("BevelButton2"));
  }
}

// Typing 点, 万 or 亿 into the Chinese field keeps the keyboard there: the next key lands.
TEST_F(ReaderSoundnessTest, KeepsTheFocusInTheChineseFieldWhileReading) {
  startWith(CharacterTable::SimplifiedUsual);
  click(QStringLiteral("EFca"));
  for (const char* key : {"三", "亿", "零", "五", "万", "点", "五"}) {
    SCOPED_TRACE(key);
    type(QString::fromUtf8(key));
    EXPECT_TRUE(fpr().EFca->hasFocus());
    ASSERT_EQ(QApplication::focusWidget(), fpr().EFca->widget());
  }
  EXPECT_EQ(chineseField(), QStringLiteral("三亿零五万点五"));
  EXPECT_EQ(arabicField(), QStringLiteral("300050000.5"));
  // 万 right after a digit asks for the echo's state too.
  fpr().EFca->setText(QString());
  for (const char* key : {"三", "万", "五"}) {
    SCOPED_TRACE(key);
    type(QString::fromUtf8(key));
    ASSERT_EQ(QApplication::focusWidget(), fpr().EFca->widget());
  }
  EXPECT_EQ(arabicField(), QStringLiteral("35000"));
}

// The minus, 亿 and 零 are recognised in any table where the reader compares them; only the
// note depends on the table in force.
TEST_F(ReaderSoundnessTest, ReadsMinusAndYiOfAnyTableAlike) {
  const struct {
    const char* text;
    const char* arabic;
  } cases[] = {
      {"负零", "-0"},
      {"負零", "-0"},
      {"负零点五", "-0.5"},
      {"負零点五", "-0.5"},
      {"负", "-"},
      {"負", "-"},
      {"三亿零五千万", "????????"},
      {"三億零五千万", "????????"},
      {"三億零五千萬", "????????"},
      {"三亿零五千萬", "????????"},
      {"三億零五百萬", "305000000"},
  };
  for (CharacterTable table : kAllTables) {
    startWith(table);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(tableName(table)) + " " + c.text);
      convert(QString::fromUtf8(c.text));
      EXPECT_EQ(arabicField(), QString::fromUtf8(c.arabic));
    }
  }
}

TEST_F(ReaderSoundnessTest, ShowsALoneMinusOfAnyTableOnTheDisplay) {
  startWith(CharacterTable::SimplifiedUsual);
  for (const char* text : {"负", "負"}) {
    SCOPED_TRACE(text);
    readDisplayText(QString::fromUtf8(text));
    EXPECT_EQ(echoText(), QStringLiteral("-"));
    readDisplayText(QString::fromUtf8(text) + QStringLiteral("零点五"));
    EXPECT_EQ(echoText(), QStringLiteral("-0.5"));
  }
}

// However many spaces surround the text, the field is trimmed in one write and read once,
// with the same outcome as a text without them.
TEST_F(ReaderSoundnessTest, TrimsAnyNumberOfSpacesInOneWrite) {
  startWith(CharacterTable::SimplifiedUsual);
  const QString blanks = QString(100, QLatin1Char(' ')) + QStringLiteral("\t\n");
  const QString texts[] = {blanks + QStringLiteral("壹佰") + blanks,
                           QString(1000000, QLatin1Char(' ')) + QStringLiteral("壹佰"),
                           QStringLiteral("壹佰") + QString(1000, QLatin1Char('\n'))};
  for (const QString& text : texts) {
    click(QStringLiteral("EFca"));
    fpr().EFca->setText(QString());
    // Counts the Arabic field's changes, which keep their usual handling.
    int changes = 0;
    fpr().EFcr->connectTextChange([this, &changes] {
      ++changes;
      fpr().EFcr_TextChange();
    });
    paste(text);
    fpr().EFcr->connectTextChange([this] { fpr().EFcr_TextChange(); });
    EXPECT_EQ(chineseField(), QStringLiteral("壹佰"));
    EXPECT_EQ(arabicField(), QStringLiteral("100"));
    EXPECT_TRUE(noteShown());
    // One reading, and its value written once.
    EXPECT_EQ(changes, 1);
  }
}

}  // namespace
