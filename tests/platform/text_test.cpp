// The text and number functions: counts in code points, C-locale numbers.

#include "texte/text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/printers.h"

namespace {

using texte::Asc;
using texte::Chr;
using texte::Floor;
using texte::Format;
using texte::Left;
using texte::Len;
using texte::Mid;
using texte::Right;
using texte::Round;
using texte::Str;
using texte::Val;

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, two UTF-16 units
const QString kHigh = QString(QChar(0xD83D));                  // a high surrogate alone
const QString kLow = QString(QChar(0xDE00));                   // a low surrogate alone

TEST(TextLengthTest, CountsCodePoints) {
  struct Case {
    QString text;
    int length;
  };
  const std::vector<Case> cases = {
      {QString(), 0},
      {QStringLiteral("abc"), 3},
      {QStringLiteral("三百五"), 3},
      {kEmoji, 1},
      {QStringLiteral("a") + kEmoji + QStringLiteral("b"), 3},
      {kEmoji + kEmoji, 2},
      {kHigh, 1},
      {kLow, 1},
      {kLow + kHigh, 2},                 // reversed halves make no pair
      {kHigh + QStringLiteral("a"), 2},  // a high half before a plain letter
      {QStringLiteral("a") + kHigh, 2},  // a high half at the very end
      {QStringLiteral("a\fb\r"), 4},
  };
  for (const Case& c : cases) EXPECT_EQ(Len(c.text), c.length) << c.text.toStdString();
}

TEST(TextSliceTest, LeftMidRightCutWholeCharacters) {
  const QString s = QStringLiteral("a") + kEmoji + QStringLiteral("bc");  // 4 characters
  struct Case {
    const char* what;
    QString got;
    QString want;
  };
  const std::vector<Case> cases = {
      {"Left 0", Left(s, 0), QString()},
      {"Left -3", Left(s, -3), QString()},
      {"Left 1", Left(s, 1), QStringLiteral("a")},
      {"Left 2 keeps the emoji whole", Left(s, 2), QStringLiteral("a") + kEmoji},
      {"Left beyond the end", Left(s, 99), s},
      {"Mid from the emoji", Mid(s, 2, 1), kEmoji},
      {"Mid after the emoji", Mid(s, 3), QStringLiteral("bc")},
      {"Mid before the start", Mid(s, 0, 2), QStringLiteral("a") + kEmoji},
      {"Mid past the end", Mid(s, 9), QString()},
      {"Mid of zero characters", Mid(s, 2, 0), QString()},
      {"Right 0", Right(s, 0), QString()},
      {"Right -1", Right(s, -1), QString()},
      {"Right 3 keeps the emoji whole", Right(s, 3), kEmoji + QStringLiteral("bc")},
      {"Right beyond the length", Right(s, 10), s},
      {"Left of a lone high half", Left(kHigh + QStringLiteral("x"), 1), kHigh},
      {"Right of a lone low half", Right(QStringLiteral("x") + kLow, 1), kLow},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(TextCodeTest, AscAndChrRoundTrip) {
  EXPECT_EQ(Asc(QString()), 0);
  EXPECT_EQ(Asc(QStringLiteral("A")), 65);
  EXPECT_EQ(Asc(QStringLiteral("零")), 0x96F6);
  EXPECT_EQ(Asc(kEmoji + QStringLiteral("x")), 0x1F600);
  EXPECT_EQ(Asc(kHigh), 0xD83D);
  EXPECT_EQ(Chr(12), QStringLiteral("\f"));
  EXPECT_EQ(Chr(0x4E07), QStringLiteral("万"));
  EXPECT_EQ(Chr(0x1F600), kEmoji);
  EXPECT_EQ(Len(Chr(0x1F600)), 1);
  EXPECT_EQ(Chr(-1), QString());
  for (int code : {0, 9, 13, 65, 0x3007, 0x96F6, 0xFFFD, 0x10000, 0x1F600, 0x10FFFF}) {
    EXPECT_EQ(Asc(Chr(code)), code) << code;
  }
}

TEST(TextCodePointsTest, WalksTheTextOnce) {
  const QString s = QStringLiteral("a") + kEmoji + kHigh + QStringLiteral("零");
  const std::u32string cps = texte::CodePoints(s);
  EXPECT_EQ(cps, (std::u32string{U'a', U'\U0001F600', char32_t(0xD83D), U'零'}));
  EXPECT_EQ(texte::FromCodePoints(cps), s);
  EXPECT_EQ(texte::Utf16Index(s, 2), 3);
  EXPECT_EQ(texte::Utf16Index(s, 99), s.size());
  EXPECT_EQ(texte::CodePointIndex(s, 3), 2);
}

TEST(TextValTest, ReadsTheNumberAtTheStart) {
  struct Case {
    QString text;
    double value;
  };
  const std::vector<Case> cases = {
      {QString(), 0},
      {QStringLiteral("."), 0},
      {QStringLiteral("-"), 0},
      {QStringLiteral("-."), 0},
      {QStringLiteral("abc"), 0},
      {QStringLiteral("12abc"), 12},
      {QStringLiteral("-3.5"), -3.5},
      {QStringLiteral("+7"), 7},
      {QStringLiteral("3."), 3},
      {QStringLiteral(".25"), 0.25},
      {QStringLiteral("1.5.2"), 1.5},
      {QStringLiteral("2e3"), 2000},
      {QStringLiteral("2e"), 2},
      {QStringLiteral("2e+"), 2},
      {QStringLiteral("1,5"), 1},  // a comma is no decimal point, whatever the locale
      {QStringLiteral("123456789012"), 123456789012.0},
      {QStringLiteral("0.000001"), 0.000001},
      {QStringLiteral("5") + kEmoji, 5},
      {QStringLiteral("七"), 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text.toStdString();
}

TEST(TextValTest, NumbersOutOfRangeSaturate) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Val(QStringLiteral("1e400")), inf);
  EXPECT_EQ(Val(QStringLiteral("-1e400")), -inf);
  EXPECT_EQ(Val(QStringLiteral("0.5e400")), inf);
  EXPECT_EQ(Val(QStringLiteral("1e-400")), 0.0);
  EXPECT_EQ(Val(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
  // The exponent and the digits together decide which way it saturates.
  EXPECT_EQ(Val(QStringLiteral("1") + QString(400, QLatin1Char('0')) + QStringLiteral("e-5")), inf);
  EXPECT_EQ(Val(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1e5")), 0.0);
  EXPECT_EQ(Val(QStringLiteral("-0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1e5")), 0.0);
  EXPECT_EQ(Val(QStringLiteral("1e-") + QString(30, QLatin1Char('9'))), 0.0);
}

TEST(TextValTest, ALongTextIsReadWithoutTrouble) {
  const QString digits(1'000'000, QLatin1Char('9'));
  EXPECT_EQ(Val(digits), std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(Val(QStringLiteral("42") + QString(1'000'000, QLatin1Char('x'))), 42);
}

TEST(TextStrTest, WholeNumbersArePlainDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0, "0"},
      {-0.0, "0"},
      {7, "7"},
      {-42, "-42"},
      {1e6, "1000000"},
      {123456789012.0, "123456789012"},
      {999999999999.0, "999999999999"},
      {-999999999999.0, "-999999999999"},
      {0.5, "0.5"},
      {-3.25, "-3.25"},
      {0.1 + 0.2, "0.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(Str(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(TextFormatTest, HashAndZeroPatterns) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0, "#", "0"},
      {0.4, "#", "0"},
      {-0.4, "#", "0"},
      {3, "#", "3"},
      {2.5, "#", "3"},  // halves round away from zero
      {-2.5, "#", "-3"},
      {1234567, "#", "1234567"},  // no grouping
      {999999999999.0, "#", "999999999999"},
      {5, "0", "5"},
      {5, "000", "005"},
      {49.5, "000", "050"},
      {0, "000", "000"},
      {123, "000", "123"},
      {7, "00000000000000", "00000000000007"},
      {1234, "000", "1234"},  // more digits than zeros: nothing is cut off
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Format(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text))
        << c.value << " with " << c.pattern;
  }
}

TEST(TextFormatTest, HugeValuesStayDoubles) {
  // No conversion to an integer type: a value far beyond 64 bits is written whole.
  const QString text = Format(1e30, QStringLiteral("#"));
  EXPECT_EQ(text.size(), 31);
  EXPECT_TRUE(text.startsWith(QLatin1String("1000000000000000019884624838656")));
  EXPECT_DOUBLE_EQ(Floor(1e300), 1e300);
  EXPECT_DOUBLE_EQ(Round(-1e300), -1e300);
}

TEST(TextRoundTest, FloorAndRound) {
  struct Case {
    double value;
    double floor;
    double round;
  };
  const std::vector<Case> cases = {
      {2.5, 2, 3}, {-2.5, -3, -3}, {2.4999, 2, 2}, {-0.5, -1, -1}, {0, 0, 0}, {7, 7, 7},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(Floor(c.value), c.floor) << c.value;
    EXPECT_DOUBLE_EQ(Round(c.value), c.round) << c.value;
  }
}

// A French default QLocale changes none of the number texts.
TEST(TextLocaleTest, AFrenchDefaultLocaleChangesNothing) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(Str(-3.25), QStringLiteral("-3.25"));
  EXPECT_EQ(Str(1234567), QStringLiteral("1234567"));
  EXPECT_EQ(Format(1234567, QStringLiteral("#")), QStringLiteral("1234567"));
  EXPECT_DOUBLE_EQ(Val(QStringLiteral("3.5")), 3.5);
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  EXPECT_EQ(Str(0.5), QStringLiteral("0.5"));
  QLocale::setDefault(saved);
}

// The C library's numeric locale (which QApplication takes from the environment) does not
// change Val either: a French LC_NUMERIC writes decimals with a comma.
TEST(TextLocaleTest, AFrenchNumericLocaleDoesNotChangeVal) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  QTemporaryDir localeDir;
  const char* french = "fr_FR.UTF-8";
  if (!std::setlocale(LC_NUMERIC, french)) {
    // Build the locale for this test when the system has none installed.
    const int rc = QProcess::execute(QStringLiteral("localedef"),
                                     {QStringLiteral("-i"), QStringLiteral("fr_FR"), QStringLiteral("-f"),
                                      QStringLiteral("UTF-8"), localeDir.filePath(QString::fromLatin1(french))});
    const QByteArray oldLocPath = qgetenv("LOCPATH");
    qputenv("LOCPATH", localeDir.path().toLocal8Bit());
    const bool made = rc == 0 && std::setlocale(LC_NUMERIC, french) != nullptr;
    if (oldLocPath.isEmpty()) {
      qunsetenv("LOCPATH");
    } else {
      qputenv("LOCPATH", oldLocPath);
    }
    if (!made) GTEST_SKIP() << "no French locale available";
  }
  EXPECT_EQ(std::localeconv()->decimal_point[0], ',');
  EXPECT_DOUBLE_EQ(Val(QStringLiteral("3.5")), 3.5);
  EXPECT_DOUBLE_EQ(Val(QStringLiteral("-0.25x")), -0.25);
  EXPECT_EQ(Str(3.5), QStringLiteral("3.5"));
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
