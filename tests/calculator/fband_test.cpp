// The paper tape window: its field that follows the window's size, the button that keeps to the
// bottom right corner, its language and menu. What the tape shows is in ecriresurbande_test.

#include <QPlainTextEdit>
#include <QTest>

#include "calculator/calculator_fixture.h"
#include "calculator/fband.h"
#include "strings/langues.h"

namespace {

class TapeWindowTest : public CalculatorFixture {
 protected:
  fband& openTape() {
    press(QStringLiteral("DisclosureTriangle2"));
    fband* tape = application().liveInstance<fband>();
    EXPECT_NE(tape, nullptr);
    return *tape;
  }
  QString tapeText() { return application().liveInstance<fband>()->EditField1->text(); }
};

struct ResizeCase {
  int width;
  int height;
};

class ResizingTheTapeWindow : public TapeWindowTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizingTheTapeWindow, KeepsTheFieldFillingItAndTheButtonInTheCorner) {
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
  fband& tape = openTape();
  tape.widget()->resize(40, 40);
  processEvents();
  EXPECT_GE(tape.content()->width(), 150);
  EXPECT_GE(tape.content()->height(), 150);
}

TEST_F(TapeWindowTest, TheTapeCannotBeTypedInto) {
  frappe(QStringLiteral("十二"));
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
  restart();
  fband& tape = openTape();
  EXPECT_EQ(tape.title(), langues::lfbande());
  EXPECT_NE(tape.title(), QStringLiteral("Paper tape"));
  EXPECT_EQ(tape.BevelButton1->widget()->toolTip(), langues::lheffacerlabande());
  EXPECT_EQ(tape.BevelButton1->caption(), QStringLiteral("\u25C1\u25C1"));
}

TEST_F(TapeWindowTest, AnswersItsOwnMenuItemNameWhateverTheCase) {
  fband& tape = openTape();
  EXPECT_TRUE(tape.handleMenuItem(QStringLiteral("Untitled")));
  EXPECT_TRUE(tape.handleMenuItem(QStringLiteral("untitled")));
  EXPECT_FALSE(tape.handleMenuItem(QStringLiteral("FenetreBandepapier")));
}

}  // namespace
