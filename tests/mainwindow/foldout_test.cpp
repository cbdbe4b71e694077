// The converter panel folds with the window's height; the paper tape window opens and closes
// with the second triangle, the Window menu and its own close box, with check marks and help
// tags in step.

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "calculator/fband.h"
#include "strings/langues.h"
#include "support/app_fixture.h"

namespace {

enum class Way { Triangle, Menu, CloseBox };

const char* wayName(Way way) {
  switch (way) {
    case Way::Triangle:
      return "Triangle";
    case Way::Menu:
      return "Menu";
    case Way::CloseBox:
      return "CloseBox";
  }
  return "?";
}

class FoldoutFixture : public AppFixture {
 protected:
  void flipConverter(Way way) {
    if (way == Way::Triangle) {
      press(QStringLiteral("DisclosureTriangle1"));
    } else {
      chooseMenu(QStringLiteral("FenetreConvertisseur"));
    }
  }

  void flipTape(Way way) {
    switch (way) {
      case Way::Triangle:
        press(QStringLiteral("DisclosureTriangle2"));
        break;
      case Way::Menu:
        chooseMenu(QStringLiteral("FenetreBandepapier"));
        break;
      case Way::CloseBox: {
        platform::Window* tape = window(QStringLiteral("fband"));
        ASSERT_NE(tape, nullptr) << "no tape window to close";
        // What the window's close box does: a close request to its widget.
        tape->widget()->close();
        processEvents();
        break;
      }
    }
  }

  fband* tape() { return application().liveInstance<fband>(); }

  // One row of the converter's states: height, maximum, menu check, help tag and focus ring.
  void expectConverter(bool unfolded) {
    Fpr& w = fpr();
    EXPECT_EQ(w.DisclosureTriangle1->value(), unfolded);
    // The window ends exactly there: its content, not only the number it was given.
    EXPECT_EQ(w.height(), unfolded ? 392 : 296);
    EXPECT_EQ(w.content()->height(), unfolded ? 392 : 296);
    EXPECT_EQ(w.widget()->height() - w.content()->height(),
              w.menuBar() && w.menuBar()->widget() ? w.menuBar()->widget()->height() : 0);
    // The converter fields are inside the window only while unfolded.
    const QRect inside = w.content()->rect();
    EXPECT_EQ(inside.contains(w.EFca->widget()->geometry()), unfolded);
    EXPECT_EQ(inside.contains(w.EFcr->widget()->geometry()), unfolded);
    EXPECT_TRUE(inside.contains(w.DisclosureTriangle1->widget()->geometry()));
    EXPECT_EQ(menuItem(QStringLiteral("FenetreConvertisseur"))->checked(), unfolded);
    EXPECT_EQ(w.DisclosureTriangle1->helpTag(),
              unfolded ? langues::lhmasquerconvertisseur() : langues::lhafficherconvertisseur());
    EXPECT_EQ(w.DisclosureTriangle1->widget()->toolTip(), w.DisclosureTriangle1->helpTag());
    EXPECT_EQ(w.Canvas4->useFocusRing(), unfolded);
    EXPECT_EQ(application().position, 1);
  }

  void expectTape(bool shown) {
    Fpr& w = fpr();
    EXPECT_EQ(w.DisclosureTriangle2->value(), !shown);
    EXPECT_EQ(tape() != nullptr, shown);
    if (shown && tape()) {
      EXPECT_TRUE(tape()->visible());
    }
    EXPECT_EQ(menuItem(QStringLiteral("FenetreBandepapier"))->checked(), shown);
    EXPECT_EQ(w.DisclosureTriangle2->helpTag(), shown ? langues::lhmasquerbande() : langues::lhafficherbande());
  }
};

// ---- The converter ----

class ConverterFoldTest : public FoldoutFixture, public ::testing::WithParamInterface<Way> {};

TEST_P(ConverterFoldTest, FoldsAndUnfoldsWithEveryColumnOfItsStateInStep) {
  start();
  SCOPED_TRACE(wayName(GetParam()));
  {
    SCOPED_TRACE("at start");
    expectConverter(false);
    EXPECT_EQ(fpr().maxHeight(), 345);
  }
  flipConverter(GetParam());
  {
    SCOPED_TRACE("unfolded");
    expectConverter(true);
    EXPECT_EQ(fpr().maxHeight(), 392);
  }
  flipConverter(GetParam());
  {
    SCOPED_TRACE("folded again");
    expectConverter(false);
    // Folding leaves the raised maximum alone; the window still ends at 296.
    EXPECT_EQ(fpr().maxHeight(), 392);
  }
  flipConverter(GetParam());
  {
    SCOPED_TRACE("unfolded again");
    expectConverter(true);
  }
}

INSTANTIATE_TEST_SUITE_P(ByTriangleAndMenu, ConverterFoldTest, ::testing::Values(Way::Triangle, Way::Menu),
                         [](const auto& info) { return std::string(wayName(info.param)); });

TEST_F(FoldoutFixture, UnfoldingGivesTheDisplayTheFocusAndFoldingTakesItAway) {
  start();
  press(QStringLiteral("DisclosureTriangle1"));
  EXPECT_EQ(application().focusedControl(), fpr().Canvas4);
  press(QStringLiteral("DisclosureTriangle1"));
  EXPECT_EQ(application().focusedControl(), nullptr);
  EXPECT_FALSE(fpr().Canvas4->useFocusRing());
}

TEST_F(FoldoutFixture, TheConverterFieldsKeepTheirTextsWhileFolded) {
  start();
  press(QStringLiteral("DisclosureTriangle1"));
  click(QStringLiteral("EFcr"));
  type(QStringLiteral("25"), QStringLiteral("EFcr"));
  const QString chinese = chineseField();
  ASSERT_FALSE(chinese.isEmpty());
  press(QStringLiteral("DisclosureTriangle1"));
  press(QStringLiteral("DisclosureTriangle1"));
  EXPECT_EQ(arabicField(), QStringLiteral("25"));
  EXPECT_EQ(chineseField(), chinese);
}

struct FieldFoldCase {
  const char* field;
  int position;
  Way way;
};

class FoldWhileAFieldHasTheInput : public FoldoutFixture, public ::testing::WithParamInterface<FieldFoldCase> {};

TEST_P(FoldWhileAFieldHasTheInput, GivesTheInputBackToTheCalculatorWithNoFocusLeft) {
  const FieldFoldCase& c = GetParam();
  start();
  platform::EditField* field = control<platform::EditField>(QString::fromLatin1(c.field));
  press(QStringLiteral("DisclosureTriangle1"));
  click(QString::fromLatin1(c.field));
  ASSERT_EQ(application().position, c.position);
  ASSERT_EQ(application().focusedControl(), field);

  flipConverter(c.way);
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(application().focusedControl(), nullptr);
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || focused != field->widget());

  // The keypad now writes on the display, not into the folded field.
  const QString fieldBefore = field->text();
  pressKeys({"BB5"});
  EXPECT_EQ(displayText(), fpr().key(QStringLiteral("BB5"))->caption());
  EXPECT_EQ(field->text(), fieldBefore);

  flipConverter(c.way);
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(application().focusedControl(), fpr().Canvas4);
}

INSTANTIATE_TEST_SUITE_P(Fields, FoldWhileAFieldHasTheInput,
                         ::testing::Values(FieldFoldCase{"EFca", 2, Way::Triangle},
                                           FieldFoldCase{"EFcr", 3, Way::Triangle}, FieldFoldCase{"EFca", 2, Way::Menu},
                                           FieldFoldCase{"EFcr", 3, Way::Menu}),
                         [](const auto& info) {
                           return std::string(info.param.field) + "By" + wayName(info.param.way);
                         });

// ---- The paper tape ----

struct TapeCase {
  Way open;
  Way close;
};

class TapeShowAndCloseTest : public FoldoutFixture, public ::testing::WithParamInterface<TapeCase> {};

TEST_P(TapeShowAndCloseTest, ShowsAndClosesWithEveryColumnOfItsStateInStep) {
  const TapeCase& c = GetParam();
  start();
  {
    SCOPED_TRACE("at start");
    expectTape(false);
  }
  flipTape(c.open);
  {
    SCOPED_TRACE("shown");
    expectTape(true);
  }
  flipTape(c.close);
  {
    SCOPED_TRACE("closed");
    expectTape(false);
  }
  // A second round builds a fresh window and works the same.
  flipTape(c.open);
  {
    SCOPED_TRACE("shown again");
    expectTape(true);
  }
  flipTape(c.close);
  {
    SCOPED_TRACE("closed again");
    expectTape(false);
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, TapeShowAndCloseTest,
                         ::testing::Values(TapeCase{Way::Triangle, Way::Triangle}, TapeCase{Way::Triangle, Way::Menu},
                                           TapeCase{Way::Triangle, Way::CloseBox}, TapeCase{Way::Menu, Way::Triangle},
                                           TapeCase{Way::Menu, Way::Menu}, TapeCase{Way::Menu, Way::CloseBox}),
                         [](const auto& info) {
                           return std::string("Open") + wayName(info.param.open) + "Close" + wayName(info.param.close);
                         });

TEST_F(FoldoutFixture, TheTapeTriangleLeavesTheFocusAndTheInputWhereTheyWere) {
  start();
  press(QStringLiteral("DisclosureTriangle1"));
  click(QStringLiteral("EFca"));
  ASSERT_EQ(application().position, 2);
  press(QStringLiteral("DisclosureTriangle2"));
  ASSERT_NE(tape(), nullptr);
  EXPECT_EQ(application().position, 2);
  EXPECT_EQ(application().focusedControl(), fpr().EFca);
  press(QStringLiteral("DisclosureTriangle2"));
  EXPECT_EQ(application().position, 2);
  EXPECT_EQ(application().focusedControl(), fpr().EFca);
}

TEST_F(FoldoutFixture, TheTapeWindowStandsTwentyPixelsRightOfTheMainWindowAtItsTop) {
  start();
  fpr().setLeft(100);
  fpr().setTop(120);
  ASSERT_EQ(fpr().width(), 281);
  press(QStringLiteral("DisclosureTriangle2"));
  ASSERT_NE(tape(), nullptr);
  EXPECT_EQ(tape()->left(), 401);
  EXPECT_EQ(tape()->top(), 120);

  // Each new tape window places itself again, after the main window has moved.
  flipTape(Way::CloseBox);
  fpr().setLeft(30);
  fpr().setTop(60);
  press(QStringLiteral("DisclosureTriangle2"));
  ASSERT_NE(tape(), nullptr);
  EXPECT_EQ(tape()->left(), 331);
  EXPECT_EQ(tape()->top(), 60);
}

TEST_F(FoldoutFixture, TheTapeBuiltWhileClosedShowsWholeAndScrolledToItsEnd) {
  start();
  // Enough calculations to overflow the field: 十二 加 三 等于, many times over.
  for (int i = 0; i < 12; ++i) pressKeys({"BB10", "BB2", "BBad", "BB3", "BBe"});
  EXPECT_EQ(tape(), nullptr) << "a closed tape window is not built";
  const QString whole = application().ecriresurbande.textebande;
  ASSERT_GT(whole.size(), 100);

  press(QStringLiteral("DisclosureTriangle2"));
  ASSERT_NE(tape(), nullptr);
  EXPECT_EQ(tape()->EditField1->text(), whole);
  QScrollBar* bar = static_cast<QPlainTextEdit*>(tape()->EditField1->widget())->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
