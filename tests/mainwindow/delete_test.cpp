#include <vector>

#include "mainwindow/keys_support.h"
#include "strings/langues.h"

namespace {

class DeleteKeysTest : public KeysFixture {};

// What the calculator shows after one press.
struct After {
  const char16_t* key;
  const char16_t* display;
  const char16_t* word;  // STopera
  double n1;
  int etat;
  int operation;
  const char16_t* tape;
  const char16_t* history;  // the steps before the current one
};

struct Sequence {
  const char* name;
  const char16_t* typedFirst;
  std::vector<After> presses;
};

const std::vector<Sequence> sequences = {
    {"back through a chain to the first operand and on to nothing",
     u"十二加三减",
     {
         {u"◁", u"三", u"加", 12, 1, 1, u"十二|加|三|", u"十二|加|"},
         {u"◁", u"", u"加", 12, 1, 1, u"十二|加||", u"十二|加|"},
         {u"◁", u"十二", u"", 12, 0, 0, u"十二|", u""},
         {u"◁", u"十", u"", 12, 0, 0, u"十|", u""},
         {u"◁", u"", u"", 12, 0, 0, u"|", u""},
         {u"◁", u"", u"", 12, 0, 0, u"|", u""},
     }},
    {"back over the first operator after a result, and on from that result",
     u"十二加三=",
     {
         {u"加", u"", u"加", 15, 1, 1, u"十二|加|三|等于|十五|加||", u"十五|加|"},
         {u"◁", u"十五", u"等于", 15, 2, 1, u"十二|加|三|等于|十五|||", u""},
         {u"◁", u"十五", u"等于", 15, 2, 1, u"十二|加|三|等于|十五|||", u""},
         {u"减", u"", u"减", 15, 1, 2, u"十二|加|三|等于|十五|减||", u"十五|减|"},
         {u"二", u"二", u"减", 15, 1, 2, u"十二|加|三|等于|十五|减|二|", u"十五|减|"},
         {u"=", u"十三", u"等于", 15, 2, 2, u"十二|加|三|等于|十五|减|二|等于|十三|||", u""},
     }},
    {"a replaced operator steps back to the operand before it",
     u"十二加",
     {
         {u"减", u"", u"减", 12, 1, 2, u"十二|减||", u"十二|减|"},
         {u"◁", u"十二", u"", 12, 0, 0, u"十二|", u""},
         {u"乘", u"", u"乘以", 12, 1, 3, u"十二|乘以||", u"十二|乘以|"},
     }},
    {"a step back in a longer chain restores the running total before it",
     u"二加三乘四减",
     {
         {u"◁", u"四", u"乘以", 5, 1, 3, u"二|加|三|乘以|四|", u"二|加|三|乘以|"},
         {u"◁", u"", u"乘以", 5, 1, 3, u"二|加|三|乘以||", u"二|加|三|乘以|"},
         {u"◁", u"三", u"加", 2, 1, 1, u"二|加|三|", u"二|加|"},
         {u"=", u"五", u"等于", 2, 2, 1, u"二|加|三|等于|五|||", u""},
     }},
};

TEST_F(DeleteKeysTest, StepBackSequences) {
  start();
  for (const Sequence& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    restart();
    enter(QString::fromUtf16(sequence.typedFirst));
    int n = 0;
    for (const After& after : sequence.presses) {
      SCOPED_TRACE(testing::Message() << "press " << ++n << ": " << QString::fromUtf16(after.key).toStdString());
      enter(QString::fromUtf16(after.key));
      EXPECT_EQ(displayText(), QString::fromUtf16(after.display));
      EXPECT_EQ(operatorText(), QString::fromUtf16(after.word));
      EXPECT_EQ(application().N1valeur, after.n1);
      EXPECT_EQ(application().etat, after.etat);
      EXPECT_EQ(application().operation, after.operation);
      EXPECT_EQ(tape(), QString::fromUtf16(after.tape));
      EXPECT_EQ(historySteps(), QString::fromUtf16(after.history));
    }
    EXPECT_TRUE(services().messages.isEmpty());
  }
}

TEST_F(DeleteKeysTest, AStepBackShowsTheRestoredOperandWithItsEchoAndSymbol) {
  start();
  enter(QStringLiteral("三百五十乘二加"));
  press(QStringLiteral("BevelButton1"));
  EXPECT_EQ(displayText(), QStringLiteral("二"));
  EXPECT_EQ(echoText(), QStringLiteral("2"));
  EXPECT_EQ(fpr().StaticText13->text(), QStringLiteral("x"));
  EXPECT_EQ(application().n0valeur, 2);
  enter(QStringLiteral("◁◁"));
  EXPECT_EQ(displayText(), QStringLiteral("三百五十"));
  EXPECT_EQ(echoText(), QStringLiteral("350"));
  EXPECT_EQ(fpr().StaticText13->text(), QString());
  EXPECT_EQ(application().etat, 0);
  enter(QStringLiteral("加一="));
  EXPECT_EQ(displayText(), QStringLiteral("三百五十一"));
}

// After a step back, "=" carries out the operation that the tape shows, not the one of the
// operator key pressed last.
TEST_F(DeleteKeysTest, EqualsAfterAStepBackCarriesOutTheOperationShown) {
  struct Case {
    const char16_t* keys;
    const char16_t* tapeBeforeEquals;
    const char16_t* result;
  };
  const std::vector<Case> cases = {
      {u"十二加三减◁", u"十二|加|三|", u"十五"},
      {u"二乘三加◁", u"二|乘以|三|", u"六"},
      {u"八除二减◁", u"八|除以|二|", u"四"},
      {u"八减二乘◁", u"八|减|二|", u"六"},
      {u"八减二乘除◁", u"八|减|二|", u"六"},
      {u"六除◁加二", u"六|加|二|", u"八"},
      // Back to a result, after a chain had begun from it: the result is the running total again.
      {u"十二加三=加三减◁◁◁加二", u"十二|加|三|等于|十五|加|二|", u"十七"},
  };
  start();
  for (const Case& c : cases) {
    const QString keys = QString::fromUtf16(c.keys);
    SCOPED_TRACE(keys.toStdString());
    restart();
    enter(keys);
    EXPECT_EQ(tape(), QString::fromUtf16(c.tapeBeforeEquals));
    press(QStringLiteral("BBe"));
    EXPECT_EQ(displayText(), QString::fromUtf16(c.result));
    EXPECT_TRUE(tape().endsWith(QString::fromUtf16(c.tapeBeforeEquals).section(QLatin1Char('|'), -3, -2) +
                                QStringLiteral("|等于|") + QString::fromUtf16(c.result) + QStringLiteral("|||")))
        << tape().toStdString();
  }
}

// The operation comes back with its history step, also when the operator words of the table
// in force are no longer the ones the step recorded (减 in simplified, 減 in traditional).
TEST_F(DeleteKeysTest, EqualsAfterAStepBackAcrossAChangeOfCharactersCarriesOutTheRecordedOperation) {
  start();
  enter(QStringLiteral("十二减三加"));
  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  enter(QStringLiteral("◁"));
  EXPECT_EQ(operatorText(), QStringLiteral("减"));
  EXPECT_EQ(application().operation, 2);
  enter(QStringLiteral("="));
  expectShown({u"九", u"9", u"", u"", {}, u"十二|减|三|等于|九|||", u"九     9|"});
}

TEST_F(DeleteKeysTest, StepBackDoesNothingWhileAResultIsShown) {
  start();
  enter(QStringLiteral("十二加三="));
  const QString tapeBefore = tape();
  press(QStringLiteral("BevelButton1"));
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(operatorText(), QStringLiteral("等于"));
  EXPECT_EQ(application().etat, 2);
  EXPECT_EQ(tape(), tapeBefore);
}

TEST_F(DeleteKeysTest, DeletingTheLastCharacterAfterTheTapeWasClearedDropsTheMark) {
  start();
  press(QStringLiteral("DisclosureTriangle2"));  // the tape window opens
  enter(QStringLiteral("五"));
  press(QStringLiteral("BevelButton1"), QStringLiteral("fband"));  // the tape window's clear key
  ASSERT_EQ(application().ecriresurbande.points, QStringLiteral("..."));
  press(QStringLiteral("BevelButton1"));
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(echoText(), QString());
  EXPECT_EQ(application().ecriresurbande.points, QString());
  EXPECT_EQ(tape(), QStringLiteral("|"));
  EXPECT_EQ(control<platform::EditField>(QStringLiteral("EditField1"), QStringLiteral("fband"))->text(),
            QString(QChar(12)));
}

TEST_F(DeleteKeysTest, StepBackInAFieldDeletesOneWholeCharacterBeforeTheCaret) {
  struct Case {
    const char* how;
    const char* field;
    const char16_t* typed;
    int caret;
    int selection;
    const char16_t* after;
    const char16_t* otherAfter;
  };
  const std::vector<Case> cases = {
      {"the end of a Chinese numeral", "EFca", u"十五", 2, 0, u"十", u"10"},
      {"the end of an Arabic number", "EFcr", u"123", 3, 0, u"12", u"十二"},
      {"inside a numeral", "EFca", u"三百五十", 2, 0, u"三五十", u"????????"},
      {"the start of a selection, which stays", "EFca", u"一百二十", 2, 2, u"一二十", u"????????"},
      {"the very start of the Chinese field", "EFca", u"十五", 0, 0, u"十五", u"15"},
      {"the very start of the Arabic field", "EFcr", u"15", 0, 0, u"15", u"十五"},
      {"a selection at the very start", "EFcr", u"15", 0, 1, u"15", u"十五"},
      {"a character outside the BMP", "EFcr", u"12\U0001F600", 3, 0, u"12", u"十二"},
      {"a CJK character outside the BMP", "EFca", u"十\U00020000", 2, 0, u"十", u"10"},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    restart();
    const QString name = QString::fromLatin1(c.field);
    click(name);
    commit(name, QString::fromUtf16(c.typed));
    platform::EditField& f = field(name);
    f.setSelStart(c.caret);
    f.setSelLength(c.selection);
    press(QStringLiteral("BevelButton1"));
    EXPECT_EQ(f.text(), QString::fromUtf16(c.after));
    const QString other = name == QLatin1String("EFca") ? arabicField() : chineseField();
    EXPECT_EQ(other, QString::fromUtf16(c.otherAfter));
    EXPECT_EQ(displayText(), QString());
  }
}

TEST_F(DeleteKeysTest, ClearAllEmptiesAFieldAndTheOtherFollows) {
  start();
  enter(QStringLiteral("三"));
  typeInto(QStringLiteral("EFca"), QStringLiteral("十五"));
  ASSERT_EQ(arabicField(), QStringLiteral("15"));
  press(QStringLiteral("BevelButton2"));
  EXPECT_EQ(chineseField(), QString());
  EXPECT_EQ(arabicField(), QString());
  EXPECT_EQ(displayText(), QStringLiteral("三"));
  // The reader's number was reset; a click on the display rebuilds it from the display.
  click(QStringLiteral("Canvas4"));
  enter(QStringLiteral("十"));
  EXPECT_EQ(displayText(), QStringLiteral("三十"));

  typeInto(QStringLiteral("EFcr"), QStringLiteral("-7.5"));
  ASSERT_EQ(chineseField(), QStringLiteral("负七点五"));
  press(QStringLiteral("BevelButton2"));
  EXPECT_EQ(arabicField(), QString());
  EXPECT_EQ(chineseField(), QString());
  EXPECT_EQ(displayText(), QStringLiteral("三十"));
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(DeleteKeysTest, ClearAllResetsTheCalculator) {
  start();
  enter(QStringLiteral("十二加三C"));
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(echoText(), QString());
  EXPECT_EQ(operatorText(), QString());
  EXPECT_EQ(fpr().StaticText13->text(), QString());
  EXPECT_EQ(application().etat, 0);
  EXPECT_EQ(application().operation, 0);
  EXPECT_EQ(application().N1valeur, 0);
  EXPECT_EQ(tape(), QStringLiteral("|"));
  EXPECT_EQ(finishedTape(), QString());
  // Nothing of the cleared calculation comes back by stepping back.
  enter(QStringLiteral("五加◁"));
  EXPECT_EQ(displayText(), QStringLiteral("五"));
  EXPECT_EQ(operatorText(), QString());
  EXPECT_EQ(application().etat, 0);
  enter(QStringLiteral("减一="));
  EXPECT_EQ(displayText(), QStringLiteral("四"));
}

TEST_F(DeleteKeysTest, ClearAllGivesBackTheSeparatorOfAResultThatACalculationRanOnFrom) {
  start();
  enter(QStringLiteral("十二加三=加"));
  EXPECT_EQ(finishedTape(), QStringLiteral("十二|加|三|等于|十五"));
  press(QStringLiteral("BevelButton2"));
  EXPECT_EQ(finishedTape(), QStringLiteral("十二|加|三|等于|十五|"));
  enter(QStringLiteral("五加一="));
  EXPECT_EQ(tape(), QStringLiteral("十二|加|三|等于|十五||五|加|一|等于|六|||"));

  // Otherwise the finished tape is left as it is.
  enter(QStringLiteral("七C"));
  EXPECT_EQ(finishedTape(), QStringLiteral("十二|加|三|等于|十五||五|加|一|等于|六|"));
}

}  // namespace
