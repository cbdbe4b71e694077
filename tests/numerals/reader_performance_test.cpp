// Texts of any length and content in the Chinese field: read to the end, each field written
// a bounded number of times, with the value or the marker they deserve.

#include "numerals/reader_fixture.h"
#include "support/field_work.h"

namespace {

constexpr int kMebi = 1 << 20;

class LongTextTest : public ReaderFixture {};

// The paste lays the Chinese field's text out once, and a trim at most once more; the Arabic
// field gets its short answer, never a write per character read.
void expectLinearWork(const FieldWorkMeter& chinese, const FieldWorkMeter& arabic, qsizetype pasted) {
  EXPECT_LE(chinese.unitsWritten(), 2 * pasted);
  EXPECT_LE(chinese.unitsFormatted(), 2 * pasted);
  EXPECT_LE(arabic.unitsWritten(), kShortAnswerUnits);
  EXPECT_LE(arabic.unitsFormatted(), kShortAnswerUnits);
}

TEST_F(LongTextTest, ReadsAMebibytePasteToTheEnd) {
  startWith(CharacterTable::SimplifiedUsual);
  const QString numeral = QStringLiteral("一亿一千零五万");
  // Words, digits, punctuation, CJK that is no numeral, an emoji, a right-to-left mark and a
  // control character.
  const QString junk = QStringLiteral("abc 123, 两百〇\u200F\U0001F600\x01x");
  const QString spaces(kMebi / 2, QLatin1Char(' '));
  const struct {
    const char* name;
    QString text;
    QString field;  // what the field keeps
    QString arabic;
  } cases[] = {
      {"numerals then junk", numeral + junk.repeated(kMebi / junk.size()), numeral + junk.repeated(kMebi / junk.size()),
       kRefused},
      {"spaces around a numeral", spaces + numeral + spaces, numeral, QStringLiteral("110050000")},
      {"digits after the fourteenth", QStringLiteral("零点") + QStringLiteral("一二三四五六七八九").repeated(kMebi / 9),
       QStringLiteral("零点") + QStringLiteral("一二三四五六七八九").repeated(kMebi / 9),
       QStringLiteral("0.12345678912345")},
      {"numerals refused early", QStringLiteral("壹贰叁").repeated(kMebi / 3),
       QStringLiteral("壹贰叁").repeated(kMebi / 3), kRefused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    click(QStringLiteral("EFca"));
    fpr().EFca->setText(QString());
    const FieldWorkMeter chinese(*fpr().EFca), arabic(*fpr().EFcr);
    paste(c.text);
    expectLinearWork(chinese, arabic, c.text.size());
    EXPECT_EQ(chineseField(), c.field);
    EXPECT_EQ(arabicField(), c.arabic);
    EXPECT_FALSE(noteShown());
  }
}

TEST_F(LongTextTest, TrimsAPastedMebibyte) {
  startWith(CharacterTable::SimplifiedUsual);
  const QString junk = QStringLiteral("abc 123, 两百〇\u200F\U0001F600\x01x");
  const QString kept = QStringLiteral("一亿一千零五万") + junk.repeated(kMebi / junk.size());
  click(QStringLiteral("EFca"));
  fpr().EFca->setText(QString());
  const FieldWorkMeter chinese(*fpr().EFca), arabic(*fpr().EFcr);
  const QString pasted = QString(1000, QLatin1Char('\n')) + kept + QString(1000, QLatin1Char('\t'));
  paste(pasted);
  expectLinearWork(chinese, arabic, pasted.size());
  EXPECT_EQ(chineseField(), kept);
  EXPECT_EQ(arabicField(), kRefused);
}

TEST_F(LongTextTest, RefusesEveryKindOfStrangeCharacter) {
  startWith(CharacterTable::SimplifiedUsual);
  const struct {
    const char* name;
    QString text;
  } cases[] = {
      {"NUL inside", QStringLiteral("三") + QChar(0) + QStringLiteral("百")},
      {"DEL", QStringLiteral("三百\x7f")},
      {"lone high surrogate", QStringLiteral("三百") + QChar(0xD800)},
      {"lone low surrogate", QChar(0xDC00) + QStringLiteral("三百")},
      {"reversed pair", QStringLiteral("三") + QChar(0xDC00) + QChar(0xD800)},
      {"emoji", QStringLiteral("三\U0001F600百")},
      {"character beyond the BMP that looks like none", QStringLiteral("\U00020000")},
      {"right-to-left mark", QStringLiteral("\u200F三百")},
      {"left-to-right override", QStringLiteral("三百\u202D")},
      {"byte order mark", QStringLiteral("\uFEFF三百")},
      {"combining mark", QStringLiteral("三\u0301百")},
      {"no-break space", QStringLiteral("三百\u00A0")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    click(QStringLiteral("EFca"));
    fpr().EFca->setText(c.text);
    EXPECT_EQ(arabicField(), kRefused);
    EXPECT_FALSE(noteShown());
  }
  // The calculator says so for each of them, and goes on.
  services().messages.clear();
  readDisplayText(QStringLiteral("三\U0001F600") + QChar(0xD800) + QStringLiteral("\u200F百"));
  EXPECT_EQ(services().messages.size(), 3);
  EXPECT_EQ(echoText(), QStringLiteral("300"));
}

}  // namespace
