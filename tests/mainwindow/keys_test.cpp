#include <QStringList>
#include <vector>

#include "mainwindow/keys_support.h"
#include "strings/langues.h"

namespace {

class KeypadKeysTest : public KeysFixture {};

// The 17 input keys with the character each types in the simplified usual table, and whether
// that character may begin a number (百 千 万 亿 may not).
struct InputKey {
  const char* key;
  const char16_t* character;
  bool beginsANumber;
  bool unit;
};

const std::vector<InputKey> inputKeys = {
    {"BBz", u"零", true, false},   {"BB1", u"一", true, false},   {"BB2", u"二", true, false},
    {"BB3", u"三", true, false},   {"BB4", u"四", true, false},   {"BB5", u"五", true, false},
    {"BB6", u"六", true, false},   {"BB7", u"七", true, false},   {"BB8", u"八", true, false},
    {"BB9", u"九", true, false},   {"BB10", u"十", true, false},  {"BBn", u"负", true, false},
    {"BBp", u"点", true, false},   {"BB100", u"百", false, true}, {"BB1000", u"千", false, true},
    {"BB104", u"万", false, true}, {"BB108", u"亿", false, true},
};

TEST_F(KeypadKeysTest, EveryInputKeyRecordsItsCharacterAndSendsItToTheDisplay) {
  start();
  for (const InputKey& row : inputKeys) {
    SCOPED_TRACE(row.key);
    restart();
    const QString character = QString::fromUtf16(row.character);
    press(QString::fromLatin1(row.key));
    EXPECT_EQ(fpr().c, character);
    if (row.beginsANumber) {
      EXPECT_EQ(displayText(), character);
      EXPECT_TRUE(services().messages.isEmpty());
    } else {
      // The reader refuses a unit or separator at the start.
      EXPECT_EQ(displayText(), QString());
      EXPECT_EQ(services().messages, QStringList{langues::lxecritureincorrecte()});
    }
    EXPECT_EQ(application().etat, 0);
  }
}

TEST_F(KeypadKeysTest, WhileAResultIsShownADigitStartsAfreshAndAUnitDoesNothing) {
  start();
  for (const InputKey& row : inputKeys) {
    SCOPED_TRACE(row.key);
    restart();
    enter(QStringLiteral("十二加三="));
    ASSERT_EQ(displayText(), QStringLiteral("十五"));
    const QString character = QString::fromUtf16(row.character);
    press(QString::fromLatin1(row.key));
    EXPECT_EQ(fpr().c, character);
    if (row.unit) {
      EXPECT_EQ(displayText(), QStringLiteral("十五"));
      EXPECT_EQ(operatorText(), application().ce);
      EXPECT_EQ(application().etat, 2);
    } else {
      EXPECT_EQ(displayText(), character);
      EXPECT_EQ(operatorText(), QString());
      EXPECT_EQ(application().etat, 0);
      EXPECT_FALSE(application().persev);
      // The finished calculation stays on the tape, one empty line above the new one.
      EXPECT_EQ(tape(), QStringLiteral("十二|加|三|等于|十五||") + character + QStringLiteral("|"));
    }
    EXPECT_TRUE(services().messages.isEmpty());
  }
}

TEST_F(KeypadKeysTest, OperatorAndEqualsKeysDoNothingBeforeANumber) {
  start();
  for (const char* key : {"BBad", "BBsous", "BBmu", "BBdiv", "BBe"}) {
    SCOPED_TRACE(key);
    press(QString::fromLatin1(key));
    EXPECT_EQ(operatorText(), QString());
    EXPECT_EQ(fpr().StaticText13->text(), QString());
    EXPECT_EQ(application().etat, 0);
    EXPECT_EQ(application().operation, 0);
    EXPECT_EQ(tape(), QString());
    EXPECT_EQ(historySteps(), QString());
    EXPECT_TRUE(services().messages.isEmpty());
  }
}

TEST_F(KeypadKeysTest, TwelvePlusThreeEqualsFifteen) {
  start();
  enter(QStringLiteral("十二加三="));
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(fpr().StaticText1->textSize(), 20);
  EXPECT_EQ(echoText(), QStringLiteral("15"));
  EXPECT_EQ(operatorText(), QStringLiteral("等于"));
  EXPECT_EQ(fpr().StaticText13->text(), QStringLiteral("="));
  EXPECT_EQ(application().etat, 2);
  EXPECT_TRUE(application().persev);
  EXPECT_EQ(application().N3valeur, 15);
  EXPECT_EQ(tape(), QStringLiteral("十二|加|三|等于|十五|||"));
  EXPECT_EQ(application().historique.jj, 0);
  EXPECT_EQ(application().historique.tligne.value(0), QStringLiteral("十五"));
  EXPECT_EQ(application().historique.vligne.value(0), 15);
  // A second "=" has nothing left to do.
  press(QStringLiteral("BBe"));
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(tape(), QStringLiteral("十二|加|三|等于|十五|||"));
}

TEST_F(KeypadKeysTest, EachOperatorShowsItsWordAndSymbolAndComputes) {
  struct Row {
    const char* key;
    const char16_t* word;
    int operation;
    const char* symbol;
    const char16_t* result;  // of 六 op 二 =
  };
  const std::vector<Row> rows = {
      {"BBad", u"加", 1, "+", u"八"},
      {"BBsous", u"减", 2, "-", u"四"},
      {"BBmu", u"乘以", 3, "x", u"十二"},
      {"BBdiv", u"除以", 4, "\u00F7", u"三"},
  };
  start();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key);
    restart();
    enter(QStringLiteral("六"));
    press(QString::fromLatin1(row.key));
    const QString word = QString::fromUtf16(row.word);
    EXPECT_EQ(displayText(), QString());
    EXPECT_EQ(echoText(), QString());
    EXPECT_EQ(operatorText(), word);
    EXPECT_EQ(fpr().StaticText13->text(), QString::fromUtf8(row.symbol));
    EXPECT_EQ(application().operation, row.operation);
    EXPECT_EQ(application().etat, 1);
    EXPECT_EQ(application().N1valeur, 6);
    EXPECT_EQ(application().position, 1);
    EXPECT_EQ(tape(), QStringLiteral("六|") + word + QStringLiteral("||"));
    EXPECT_EQ(historySteps(), QStringLiteral("六|") + word + QStringLiteral("|"));
    enter(QStringLiteral("二="));
    EXPECT_EQ(displayText(), QString::fromUtf16(row.result));
  }
}

TEST_F(KeypadKeysTest, AChainedOperatorCarriesOutThePendingOperationFirst) {
  start();
  enter(QStringLiteral("十二加三减"));
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(application().N1valeur, 15);
  EXPECT_EQ(application().operation, 2);
  EXPECT_EQ(operatorText(), QStringLiteral("减"));
  EXPECT_EQ(application().etat, 1);
  EXPECT_EQ(tape(), QStringLiteral("十二|加|三|减||"));
  EXPECT_EQ(historySteps(), QStringLiteral("十二|加|三|减|"));
  EXPECT_EQ(application().historique.vligne.value(2), 15);
  enter(QStringLiteral("二="));
  EXPECT_EQ(displayText(), QStringLiteral("十三"));
}

// A second operator with nothing typed after the first takes its place everywhere: operation,
// word, tape line and history step, so that stepping back lands on the operand before it.
TEST_F(KeypadKeysTest, ASecondOperatorReplacesThePendingOneOnTheTapeAndInTheHistory) {
  start();
  enter(QStringLiteral("十二加减"));
  EXPECT_EQ(operatorText(), QStringLiteral("减"));
  EXPECT_EQ(application().operation, 2);
  EXPECT_EQ(application().N1valeur, 12);
  EXPECT_EQ(tape(), QStringLiteral("十二|减||"));
  EXPECT_EQ(historySteps(), QStringLiteral("十二|减|"));
  EXPECT_EQ(application().historique.jj, 2);

  press(QStringLiteral("BevelButton1"));
  EXPECT_EQ(displayText(), QStringLiteral("十二"));
  EXPECT_EQ(operatorText(), QString());
  EXPECT_EQ(application().etat, 0);
  EXPECT_EQ(tape(), QStringLiteral("十二|"));

  enter(QStringLiteral("乘三="));
  EXPECT_EQ(displayText(), QStringLiteral("三十六"));
}

TEST_F(KeypadKeysTest, TwoOperatorsInARowComputeWithTheSecond) {
  start();
  enter(QStringLiteral("十二加乘除减三="));
  EXPECT_EQ(displayText(), QStringLiteral("九"));
  EXPECT_EQ(tape(), QStringLiteral("十二|减|三|等于|九|||"));
}

TEST_F(KeypadKeysTest, AnOperatorAfterEqualsTakesTheFullResult) {
  start();
  enter(QStringLiteral("十除三="));
  EXPECT_EQ(displayText(), QStringLiteral("三点三三三三三三三三三三三三三"));
  // The running total is the double, not the value of the 14 digits written.
  enter(QStringLiteral("乘三="));
  EXPECT_EQ(displayText(), QStringLiteral("十"));
  EXPECT_EQ(tape(), QStringLiteral("十|除以|三|等于|三点三三三三三三三三三三三三三|乘以|三|等于|十|||"));
}

TEST_F(KeypadKeysTest, AnItalicValueIsRefusedByTheOperatorsAndEquals) {
  start();
  enter(QStringLiteral("三百五"));
  ASSERT_TRUE(fpr().StaticText11->italic());
  press(QStringLiteral("BBad"));
  EXPECT_EQ(services().messages, QStringList{langues::lxecritureincorrecte()});
  EXPECT_EQ(displayText(), QStringLiteral("三百五"));
  EXPECT_EQ(operatorText(), QString());
  EXPECT_EQ(application().etat, 0);
  EXPECT_EQ(tape(), QStringLiteral("三百五|"));

  restart();
  enter(QStringLiteral("十加三百五="));
  EXPECT_EQ(services().messages, QStringList{langues::lxecritureincorrecte()});
  EXPECT_EQ(displayText(), QStringLiteral("三百五"));
  EXPECT_EQ(operatorText(), QStringLiteral("加"));
  EXPECT_EQ(application().etat, 1);
  // Completing the abbreviated form lets the calculation go on.
  enter(QStringLiteral("十="));
  EXPECT_EQ(displayText(), QStringLiteral("三百六十"));
}

TEST_F(KeypadKeysTest, ADivisionByZeroStopsTheOperatorKeyBeforeItRecordsItself) {
  start();
  enter(QStringLiteral("六除零加"));
  EXPECT_EQ(services().messages, QStringList{langues::lxparzero()});
  EXPECT_EQ(displayText(), QStringLiteral("零"));
  EXPECT_EQ(operatorText(), QStringLiteral("除以"));
  EXPECT_EQ(application().operation, 4);
  EXPECT_EQ(application().etat, 1);
  EXPECT_EQ(tape(), QStringLiteral("六|除以|零|"));
  EXPECT_EQ(historySteps(), QStringLiteral("六|除以|"));

  // The zero replaced, the division goes through and the new operator follows.
  enter(QStringLiteral("◁二加一="));
  EXPECT_EQ(services().messages.size(), 1);
  EXPECT_EQ(displayText(), QStringLiteral("四"));
}

// The operator key stops only on what its own call of the calculator met. A division code or
// an out-of-range flag left over from earlier must not swallow it after the display was taken.
TEST_F(KeypadKeysTest, LeftOverFailuresDoNotStopALaterOperator) {
  start();
  enter(QStringLiteral("六除◁"));
  EXPECT_EQ(displayText(), QStringLiteral("六"));
  EXPECT_EQ(application().operation, 0);
  enter(QStringLiteral("加"));
  EXPECT_EQ(operatorText(), QStringLiteral("加"));
  enter(QStringLiteral("二="));
  EXPECT_EQ(displayText(), QStringLiteral("八"));
  EXPECT_TRUE(services().messages.isEmpty());

  restart();
  // An out-of-range number typed into the Arabic field leaves the writer's flag up.
  typeInto(QStringLiteral("EFcr"), QStringLiteral("1234567890123"));
  ASSERT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  ASSERT_TRUE(application().arabechinois.tropbig);
  click(QStringLiteral("Canvas4"));
  enter(QStringLiteral("六加"));
  EXPECT_EQ(operatorText(), QStringLiteral("加"));
  EXPECT_EQ(tape(), QStringLiteral("六|加||"));
  enter(QStringLiteral("二="));
  EXPECT_EQ(displayText(), QStringLiteral("八"));
  EXPECT_EQ(services().messages.size(), 1);
}

TEST_F(KeypadKeysTest, AnOutOfRangeResultKeepsTheSecondOperandAndAsksAgainNextTime) {
  start();
  enter(QStringLiteral("九千九百九十九亿九千九百九十九万九千九百九十九乘十加"));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  EXPECT_EQ(displayText(), QStringLiteral("十"));
  EXPECT_EQ(echoText(), QStringLiteral("10"));
  EXPECT_EQ(operatorText(), QStringLiteral("乘以"));
  EXPECT_EQ(application().operation, 3);
  EXPECT_EQ(application().etat, 1);
  EXPECT_FALSE(application().arabechinois.tropbig);
  EXPECT_EQ(historySteps(), QStringLiteral("九千九百九十九亿九千九百九十九万九千九百九十九|乘以|"));

  press(QStringLiteral("BBsous"));
  EXPECT_EQ(services().messages.size(), 2);
  EXPECT_EQ(operatorText(), QStringLiteral("乘以"));

  // The second operand taken back, the pending multiplication gives way to a division.
  enter(QStringLiteral("◁除三="));
  EXPECT_EQ(displayText(), QStringLiteral("三千三百三十三亿三千三百三十三万三千三百三十三"));
}

TEST_F(KeypadKeysTest, OperatorAndEqualsKeysDoNothingWhileAFieldTakesTheInput) {
  start();
  for (const char* target : {"EFca", "EFcr"}) {
    SCOPED_TRACE(target);
    restart();
    enter(QStringLiteral("十二"));
    click(QString::fromLatin1(target));
    for (const char* key : {"BBad", "BBsous", "BBmu", "BBdiv", "BBe"}) press(QString::fromLatin1(key));
    EXPECT_EQ(displayText(), QStringLiteral("十二"));
    EXPECT_EQ(operatorText(), QString());
    EXPECT_EQ(application().etat, 0);
    EXPECT_EQ(chineseField(), QString());
    EXPECT_EQ(arabicField(), QString());
    EXPECT_EQ(tape(), QStringLiteral("十二|"));
  }
}

TEST_F(KeypadKeysTest, KeysFollowTheCharacterTableInForce) {
  writePrefs(QByteArray("\x00\x00\x00\x00", 4));  // traditional financial
  start();
  enter(QStringLiteral("一百一十二"));
  EXPECT_EQ(displayText(), QStringLiteral("壹佰壹拾貳"));
  enter(QStringLiteral("加三="));
  EXPECT_EQ(displayText(), QStringLiteral("壹佰壹拾伍"));
  EXPECT_EQ(operatorText(), QStringLiteral("等于"));
  EXPECT_EQ(echoText(), QStringLiteral("115"));
}

}  // namespace
