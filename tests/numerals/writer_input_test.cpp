// The Arabic field as the user fills it: keystrokes, the Edit menu's paste, the keypad, and
// texts of any length.

#include <vector>

#include "numerals/writer_fixture.h"
#include "strings/langues.h"
#include "support/field_work.h"

namespace {

class WriterInputTest : public WriterFixture {};

TEST_F(WriterInputTest, EveryKeystrokeRewritesTheChineseField) {
  click(QStringLiteral("EFcr"));
  ASSERT_EQ(application().position, 3);
  const std::vector<std::pair<const char*, const char16_t*>> steps = {
      {"-", u"负"}, {"1", u"负一"}, {"0", u"负十"}, {"0", u"负一百"}, {".", u"负一百点"}, {"5", u"负一百点五"},
  };
  for (const auto& [key, chinese] : steps) {
    type(QString::fromLatin1(key));
    EXPECT_EQ(chineseField(), QString::fromUtf16(chinese)) << "after " << arabicField().toStdString();
  }
  EXPECT_EQ(arabicField(), QStringLiteral("-100.5"));
}

TEST_F(WriterInputTest, TheThirteenthIntegerDigitShowsTheMessageOnce) {
  click(QStringLiteral("EFcr"));
  type(QStringLiteral("123456789012"));
  EXPECT_EQ(chineseField(), QStringLiteral("一千二百三十四亿五千六百七十八万九千零一十二"));
  EXPECT_TRUE(services().messages.isEmpty());
  type(QStringLiteral("3"));
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  EXPECT_EQ(application().focusedControl(), fpr().EFcr);
  EXPECT_TRUE(application().arabechinois.tropbig);
}

TEST_F(WriterInputTest, APastedTextIsTrimmedAndWritten) {
  click(QStringLiteral("EFcr"));
  paste(QStringLiteral("  \t2000000030\n "));
  EXPECT_EQ(arabicField(), QStringLiteral("2000000030"));
  EXPECT_EQ(chineseField(), QStringLiteral("二十亿零三十"));
}

TEST_F(WriterInputTest, APastedOutOfRangeTextWithBlanksShowsOneMessage) {
  click(QStringLiteral("EFcr"));
  paste(QStringLiteral("      99999999999999      "));
  EXPECT_EQ(arabicField(), QStringLiteral("99999999999999"));
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  EXPECT_EQ(services().messages.size(), 1);
}

TEST_F(WriterInputTest, AKeypadCharacterInTheArabicFieldIsABadCharacter) {
  click(QStringLiteral("EFcr"));
  type(QStringLiteral("12"));
  press(QStringLiteral("BB5"));
  EXPECT_EQ(chineseField(), QStringLiteral("???????"));
}

TEST_F(WriterInputTest, ReadingChineseNeverWritesBackIntoTheChineseField) {
  click(QStringLiteral("EFca"));
  commit(QStringLiteral("EFca"), QStringLiteral("一百一十"));
  EXPECT_EQ(chineseField(), QStringLiteral("一百一十"));
  EXPECT_EQ(arabicField(), QStringLiteral("110"));
  EXPECT_EQ(application().position, 2);
}

// Texts of a mebibyte (in UTF-16 units) pasted into the Arabic field.
struct LongText {
  const char* what;
  QString text;
  QString chinese;
  int messages;
};

constexpr qsizetype kMebibyte = 1 << 20;

class WriterLongInputTest : public WriterFixture {
 protected:
  // Pastes each text into the emptied Arabic field. The paste lays the Arabic text out once
  // and a trim at most once more; the Chinese field gets its short answer, never a write per
  // character looked at.
  void pasteEach(const std::vector<LongText>& texts) {
    click(QStringLiteral("EFcr"));
    for (const LongText& c : texts) {
      SCOPED_TRACE(c.what);
      fpr().EFcr->setText(QString());
      services().messages.clear();
      const FieldWorkMeter arabic(*fpr().EFcr), chinese(*fpr().EFca);
      paste(c.text);
      EXPECT_EQ(chineseField(), c.chinese);
      EXPECT_EQ(services().messages.size(), c.messages);
      EXPECT_LE(arabic.unitsWritten(), 2 * c.text.size());
      EXPECT_LE(arabic.unitsFormatted(), 2 * c.text.size());
      EXPECT_LE(chinese.unitsWritten(), kShortAnswerUnits);
      EXPECT_LE(chinese.unitsFormatted(), kShortAnswerUnits);
    }
  }
};

TEST_F(WriterLongInputTest, AMebibytePasteIsWrittenOnce) {
  const qsizetype half = kMebibyte / 2;
  const std::vector<LongText> texts = {
      {"digits", QStringLiteral("1").repeated(kMebibyte), QStringLiteral("??????"), 1},
      {"blanks around a number",
       QStringLiteral(" \t").repeated(half / 2) + QStringLiteral("12") + QStringLiteral("\t ").repeated(half / 2),
       QStringLiteral("十二"), 0},
      {"blanks around a long number",
       QStringLiteral(" ").repeated(half) + QStringLiteral("7").repeated(1000) + QStringLiteral(" ").repeated(half),
       QStringLiteral("??????"), 1},
      {"leading zeros", QStringLiteral("0").repeated(kMebibyte) + QStringLiteral("5"), QStringLiteral("五"), 0},
      {"zeros only", QStringLiteral("0").repeated(kMebibyte), QStringLiteral("零"), 0},
      {"a long fraction", QStringLiteral("0.") + QStringLiteral("3").repeated(kMebibyte),
       QStringLiteral("零点三三三三三三三三三三三三三三"), 0},
      {"a bad character first", QStringLiteral("x") + QStringLiteral("1").repeated(kMebibyte),
       QStringLiteral("???????"), 0},
      // A mebibyte in UTF-8: an emoji takes four bytes and two UTF-16 units.
      {"a digit after a mebibyte of emoji", QStringLiteral("😀").repeated(kMebibyte / 4) + QStringLiteral("1"),
       QStringLiteral("???????"), 0},
  };
  pasteEach(texts);
}

// Texts that are slow for the field to lay out (line breaks, direction marks) are still
// written once, with the marker.
TEST_F(WriterLongInputTest, HostileMebibytePastesGiveTheBadTextMarker) {
  const qsizetype half = kMebibyte / 2;
  const std::vector<LongText> texts = {
      {"line breaks around a number",
       QStringLiteral("\n ").repeated(half / 2) + QStringLiteral("12") + QStringLiteral("\r\n").repeated(half / 2),
       QStringLiteral("十二"), 0},
      // Six units a piece, just past a mebibyte.
      {"emoji, direction marks and controls", QStringLiteral("😀\u200F\u202E\x01a").repeated(kMebibyte / 6 + 1),
       QStringLiteral("???????"), 0},
      {"unpaired surrogates", (QString(QChar(0xD800)) + QStringLiteral("1")).repeated(kMebibyte / 2),
       QStringLiteral("???????"), 0},
  };
  pasteEach(texts);
}

TEST_F(WriterInputTest, UnpairedSurrogatesAreBadCharacters) {
  const std::vector<QString> texts = {
      QStringLiteral("1") + QChar(0xD800), QString(QChar(0xDC00)) + QStringLiteral("1"),
      QStringLiteral("1.") + QChar(0xDBFF),
      QStringLiteral("12345678901234") + QChar(0xD83D),  // beyond the cut
  };
  const std::vector<QString> expected = {QStringLiteral("???????"), QStringLiteral("???????"),
                                         QStringLiteral("???????"), QStringLiteral("??????")};
  for (size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(i);
    writeArabic(texts[i]);
    EXPECT_EQ(chineseField(), expected[i]);
  }
}

}  // namespace
