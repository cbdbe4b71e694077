// Controls lie at window coordinates, also inside another control; later ones lie above;
// static texts let the clicks through to what lies under them unless they handle the mouse.

#include <QApplication>
#include <QPlainTextEdit>

#include "platform/platform_fixture.h"

namespace {

using platform::BevelButton;
using platform::Canvas;
using platform::EditField;
using platform::StaticText;
using platform_test::PlatformTest;
using platform_test::WindowA;

class LayoutTest : public PlatformTest {
 protected:
  LayoutTest() : window(app().instance<WindowA>()) {
    window.setSize(350, 420);
    processEvents();
  }
  // The widget that a click at pos (window coordinates) reaches.
  QWidget* widgetAt(QPoint pos) const {
    QWidget* w = window.content()->childAt(pos);
    return w ? w : window.content();
  }
  WindowA& window;
};

TEST_F(LayoutTest, AControlInsideAnotherLiesAtWindowCoordinates) {
  auto* parent = window.make<EditField>(QStringLiteral("EFca"));
  parent->setBounds(9, 306, 263, 41);
  auto* child = window.make<EditField>(QStringLiteral("EditField1"), parent);
  child->setBounds(151, 316, 80, 22);
  auto* grandchild = window.make<StaticText>(QStringLiteral("ST"), child);
  grandchild->setBounds(160, 320, 10, 10);
  EXPECT_EQ(child->widget()->parentWidget(), parent->widget());
  EXPECT_EQ(child->widget()->geometry(), QRect(142, 10, 80, 22));
  EXPECT_EQ(grandchild->widget()->geometry(), QRect(9, 4, 10, 10));
  EXPECT_EQ(child->widget()->mapTo(window.content(), QPoint(0, 0)), QPoint(151, 316));
  EXPECT_EQ(child->left(), 151);
  EXPECT_EQ(child->top(), 316);
}

TEST_F(LayoutTest, MovingAControlMovesWhatLiesInsideIt) {
  auto* parent = window.make<Canvas>(QStringLiteral("Canvas4"));
  parent->setBounds(10, 10, 200, 100);
  auto* child = window.make<StaticText>(QStringLiteral("ST"), parent);
  child->setBounds(20, 30, 50, 20);
  parent->setTop(60);
  EXPECT_EQ(child->top(), 80) << "window coordinates follow the parent";
  EXPECT_EQ(child->left(), 20);
  EXPECT_EQ(child->widget()->geometry(), QRect(10, 20, 50, 20));
  EXPECT_EQ(child->widget()->mapTo(window.content(), QPoint(0, 0)), QPoint(20, 80));
  child->setLeft(40);
  EXPECT_EQ(child->widget()->geometry(), QRect(30, 20, 50, 20));
}

TEST_F(LayoutTest, LaterControlsLieAboveEarlierOnes) {
  auto* below = window.make<BevelButton>(QStringLiteral("below"));
  below->setBounds(10, 10, 100, 40);
  auto* above = window.make<BevelButton>(QStringLiteral("above"));
  above->setBounds(50, 20, 100, 40);
  EXPECT_EQ(widgetAt(QPoint(60, 30)), above->widget());
  EXPECT_EQ(widgetAt(QPoint(20, 15)), below->widget());
}

class ClickThroughTest : public LayoutTest {
 protected:
  ClickThroughTest() {
    field = window.make<EditField>(QStringLiteral("EF"));
    field->setBounds(9, 306, 263, 41);
    field->setMultiline(true);
    hint = window.make<StaticText>(QStringLiteral("hint"), field);
    hint->setBounds(10, 316, 262, 20);
    hint->setText(QStringLiteral("Chinese numerals"));
    canvas = window.make<Canvas>(QStringLiteral("Canvas4"));
    canvas->setBounds(9, 10, 263, 80);
    display = window.make<StaticText>(QStringLiteral("StaticText1"), canvas);
    display->setBounds(19, 29, 247, 44);
    display->setText(QStringLiteral("三百"));
    key = window.make<BevelButton>(QStringLiteral("BB4"));
    key->setBounds(10, 100, 50, 40);
    caption = window.make<StaticText>(QStringLiteral("ST4"));  // over the key, not inside it
    caption->setBounds(10, 122, 50, 15);
    caption->setText(QStringLiteral("4"));
    field->connectMouseDown([this](int, int) {
      ++fieldDowns;
      return false;
    });
    canvas->connectMouseDown([this](int, int) {
      ++canvasDowns;
      return false;
    });
    key->connectAction([this] { ++keyPresses; });
    processEvents();
  }
  static QPoint middleOf(platform::Control& c) { return {c.left() + c.width() / 2, c.top() + c.height() / 2}; }

  EditField* field = nullptr;
  StaticText* hint = nullptr;
  Canvas* canvas = nullptr;
  StaticText* display = nullptr;
  BevelButton* key = nullptr;
  StaticText* caption = nullptr;
  int fieldDowns = 0;
  int canvasDowns = 0;
  int keyPresses = 0;
};

TEST_F(ClickThroughTest, AStaticTextLetsTheClickThroughToWhatLiesUnderIt) {
  clickInWindow(window, middleOf(*hint));
  EXPECT_EQ(fieldDowns, 1) << "the field under its hint";
  EXPECT_EQ(QApplication::focusWidget(), field->widget());
  EXPECT_TRUE(field->hasFocus());
  clickInWindow(window, middleOf(*display));
  EXPECT_EQ(canvasDowns, 1) << "the display canvas under its text";
  clickInWindow(window, middleOf(*caption));
  EXPECT_EQ(keyPresses, 1) << "the key under its caption";
}

TEST_F(ClickThroughTest, AStaticTextWithMouseHandlersTakesTheMouse) {
  QStringList events;
  caption->connectMouseDown([&](int, int) {
    events << "Down";
    return true;
  });
  caption->connectMouseEnter([&] { events << "Enter"; });
  caption->connectMouseExit([&] { events << "Exit"; });
  moveMouseInWindow(window, QPoint(300, 400));
  moveMouseInWindow(window, middleOf(*caption));
  clickInWindow(window, middleOf(*caption));
  moveMouseInWindow(window, QPoint(300, 400));
  EXPECT_EQ(events, (QStringList{"Enter", "Down", "Exit"}));
  EXPECT_EQ(keyPresses, 0);
}

TEST_F(ClickThroughTest, AStaticTextCanLetClicksThroughAgain) {
  caption->connectMouseDown([](int, int) { return true; });
  caption->connectMouseDown(nullptr);
  clickInWindow(window, middleOf(*caption));
  EXPECT_EQ(keyPresses, 1);
}

TEST_F(ClickThroughTest, AClickThroughAHintPlacesTheCaretInTheField) {
  field->setText(QStringLiteral("一二三"));
  field->setSelStart(0);
  // The hint covers the field's first line; a click far right on it lands after the text.
  clickInWindow(window, QPoint(hint->left() + hint->width() - 4, hint->top() + 8));
  EXPECT_EQ(field->selStart(), 3);
}

}  // namespace
