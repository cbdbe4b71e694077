// The paper tape window: its clear button, its field that follows the window's size, and the
// button that keeps to the bottom right corner.

#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>

#include "calculator/fband.h"
#include "platform/text.h"
#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

const QString sep = platform::Chr(12);

class TapeWindowTest : public AppFixture {
 protected:
  fband& openTape() {
    press(QStringLiteral("DisclosureTriangle2"));
    fband* tape = application().liveInstance<fband>();
    EXPECT_NE(tape, nullptr);
    return *tape;
  }
  QString tapeText() { return application().liveInstance<fband>()->EditField1->text(); }
  void clearTape() { press(QStringLiteral("BevelButton1"), QStringLiteral("fband")); }
};

TEST_F(TapeWindowTest, ClearingATapeOfFewerThanTwoCharactersChangesNoTextButScrollsAndRedraws) {
  start();
  fband& tape = openTape();
  const QString before = tapeText();
  ASSERT_LT(platform::Len(before), 2);
  tape.EditField1->setScrollPosition(0);
  clearTape();
  EXPECT_EQ(tapeText(), before);
  EXPECT_EQ(tape.EditField1->scrollPosition(), 5);
  EXPECT_TRUE(tape.EditField1->visible());
  EXPECT_TRUE(tape.EditField1->widget()->isVisible());
  EXPECT_EQ(application().ecriresurbande.points, QStringLiteral(""));
}

struct LongTapeCase {
  const char* name;
  std::vector<const char*> keys;
};

class ClearingALongTape : public TapeWindowTest, public ::testing::WithParamInterface<LongTapeCase> {};

TEST_P(ClearingALongTape, LeavesOneGreySeparatorAndMarksThatSomethingCameBefore) {
  start();
  fband& tape = openTape();
  for (const char* key : GetParam().keys) press(QString::fromLatin1(key));
  ASSERT_GE(platform::Len(tapeText()), 2);

  clearTape();
  EXPECT_EQ(tapeText(), sep);
  EXPECT_EQ(tape.EditField1->colorAt(0), platform::Color{0x7B7B7B});
  EXPECT_EQ(tape.EditField1->scrollPosition(), 5);
  EXPECT_TRUE(tape.EditField1->widget()->isVisible());
  // The next line written starts below a "..." line.
  press(QStringLiteral("BBad"));
  EXPECT_TRUE(tapeText().startsWith(QStringLiteral("...") + sep));
}

INSTANTIATE_TEST_SUITE_P(Tapes, ClearingALongTape,
                         ::testing::Values(LongTapeCase{"AfterAResult", {"BB10", "BB2", "BBad", "BB3", "BBe"}},
                                           LongTapeCase{"DuringAnEntry", {"BB10", "BB2"}},
                                           LongTapeCase{"AfterAnOperator", {"BB10", "BB2", "BBad", "BB3", "BBsous"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TapeWindowTest, ClearingTheTapeWhileAnEntryRunsKeepsTheOperandBehindTheDots) {
  start();
  openTape();
  pressKeys({"BB10", "BB2"});
  clearTape();
  pressKeys({"BBad"});
  const QString addWord = fpr().STopera->text();
  ASSERT_FALSE(addWord.isEmpty());
  EXPECT_EQ(tapeText(), QStringLiteral("...") + sep + addWord + sep + sep);
}

TEST_F(TapeWindowTest, ShowsFinishedCalculationsInBlackAndTheCurrentLineInGrey) {
  start();
  fband& tape = openTape();
  // 十二 加 三 等于 减 二 等于: the second calculation runs on from the first result.
  pressKeys({"BB10", "BB2", "BBad", "BB3", "BBe", "BBsous", "BB2", "BBe"});
  const App& a = application();
  const QString finished =
      QStringList{QStringLiteral("十二"), a.cplus, QStringLiteral("三"),  a.ce, QStringLiteral("十五"), a.cmoins,
                  QStringLiteral("二"),   a.ce,    QStringLiteral("十三")}
          .join(sep) +
      sep;
  EXPECT_EQ(tapeText(), finished + sep + sep);
  const int length = platform::Len(finished);
  for (int i = 0; i < length; ++i) EXPECT_EQ(tape.EditField1->colorAt(i), platform::Color{0x000000}) << i;
  EXPECT_EQ(tape.EditField1->colorAt(length), platform::Color{0x7B7B7B});
  EXPECT_EQ(tape.EditField1->colorAt(length + 1), platform::Color{0x7B7B7B});
}

struct ResizeCase {
  int width;
  int height;
};

class ResizingTheTapeWindow : public TapeWindowTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizingTheTapeWindow, KeepsTheFieldFillingItAndTheButtonInTheCorner) {
  start();
  fband& tape = openTape();
  const ResizeCase& c = GetParam();
  tape.widget()->resize(c.width, c.height);
  processEvents();
  ASSERT_EQ(tape.content()->width(), c.width);
  ASSERT_EQ(tape.content()->height(), c.height);

  const QRect field = tape.EditField1->widget()->geometry();
  EXPECT_EQ(field, QRect(0, 0, c.width, c.height - 21));
  const QRect button = tape.BevelButton1->widget()->geometry();
  EXPECT_EQ(button.size(), QSize(57, 15));
  EXPECT_EQ(c.width - (button.x() + button.width()), 16);
  EXPECT_EQ(c.height - (button.y() + button.height()), 3);
  EXPECT_EQ(tape.BevelButton1->left(), button.x());
  EXPECT_EQ(tape.BevelButton1->top(), button.y());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizingTheTapeWindow,
                         ::testing::Values(ResizeCase{280, 296}, ResizeCase{420, 600}, ResizeCase{150, 150},
                                           ResizeCase{281, 297}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST_F(TapeWindowTest, TheWindowCannotBeMadeSmallerThanItsMinimum) {
  start();
  fband& tape = openTape();
  tape.widget()->resize(40, 40);
  processEvents();
  EXPECT_GE(tape.content()->width(), 150);
  EXPECT_GE(tape.content()->height(), 150);
}

TEST_F(TapeWindowTest, TheTapeCannotBeTypedInto) {
  start();
  pressKeys({"BB10", "BB2"});
  fband& tape = openTape();
  const QString before = tapeText();
  QTest::mouseClick(static_cast<QPlainTextEdit*>(tape.EditField1->widget())->viewport(), Qt::LeftButton);
  QTest::keyClicks(tape.EditField1->widget(), QStringLiteral("abc"));
  QTest::keyClick(tape.EditField1->widget(), Qt::Key_Backspace);
  processEvents();
  EXPECT_EQ(tapeText(), before);
}

TEST_F(TapeWindowTest, SpeaksTheInterfaceLanguage) {
  setLanguage(QStringLiteral("fr"));
  start();
  fband& tape = openTape();
  EXPECT_EQ(tape.title(), langues::lfbande());
  EXPECT_NE(tape.title(), QStringLiteral("Paper tape"));
  EXPECT_EQ(tape.BevelButton1->widget()->toolTip(), langues::lheffacerlabande());
  EXPECT_EQ(tape.BevelButton1->caption(), QStringLiteral("\u25C1\u25C1"));
}

TEST_F(TapeWindowTest, AnswersItsOwnMenuItemNameWhateverTheCase) {
  start();
  fband& tape = openTape();
  EXPECT_TRUE(tape.handleMenuItem(QStringLiteral("Untitled")));
  EXPECT_TRUE(tape.handleMenuItem(QStringLiteral("untitled")));
  EXPECT_FALSE(tape.handleMenuItem(QStringLiteral("FenetreBandepapier")));
}

}  // namespace
