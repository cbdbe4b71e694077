// The focus as the layer tracks it: SetFocus raises GotFocus at once, ClearFocus leaves no
// control focused, and Qt's own first focus changes nothing the handlers see. Mouse-down
// handlers decide whether the click goes on.

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "platform/platform_fixture.h"

namespace {

using platform::Canvas;
using platform::EditField;
using platform_test::PlatformTest;
using platform_test::WindowA;
using platform_test::WindowB;

class FocusTest : public PlatformTest {
 protected:
  // A window with two fields and a canvas, each logging its focus events.
  template <class W>
  W& makeWindow(bool visible) {
    W::log().onOpen = [this, visible](platform::Window& w) {
      w.setVisibleAtCreation(visible);
      first = w.make<EditField>(QStringLiteral("first"));
      first->setBounds(10, 10, 200, 30);
      second = w.make<EditField>(QStringLiteral("second"));
      second->setBounds(10, 50, 200, 30);
      canvas = w.make<Canvas>(QStringLiteral("canvas"));
      canvas->setBounds(10, 90, 100, 60);
      for (platform::Control* c : std::initializer_list<platform::Control*>{first, second, canvas}) {
        const QString name = c->name();
        c->connectGotFocus([this, name] { events << "Got " + name; });
        c->connectLostFocus([this, name] { events << "Lost " + name; });
        c->connectTabFocus([this, name] { tabbed << name; });
      }
    };
    W& window = app().instance<W>();
    W::log().onOpen = nullptr;
    return window;
  }

  EditField* first = nullptr;
  EditField* second = nullptr;
  Canvas* canvas = nullptr;
  QStringList events;
  // The controls that got the focus from Tab or Shift+Tab, in order.
  QStringList tabbed;
};

TEST_F(FocusTest, SetFocusRaisesGotFocusAtOnceEvenInAHiddenWindow) {
  WindowA& window = makeWindow<WindowA>(false);
  ASSERT_FALSE(window.visible());
  first->setFocus();
  EXPECT_EQ(events, QStringList{"Got first"});
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(app().focusedControl(), first);
  second->setFocus();
  EXPECT_EQ(events, (QStringList{"Got first", "Lost first", "Got second"}));
  second->setFocus();
  EXPECT_EQ(events.size(), 3) << "focusing the focused control again raises nothing";
}

TEST_F(FocusTest, AFieldFocusedInAHiddenWindowHasTheKeysOnceItIsShown) {
  WindowA& window = makeWindow<WindowA>(false);
  second->setFocus();
  window.show();
  processEvents();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ok"));
  EXPECT_EQ(second->text(), QStringLiteral("ok"));
  EXPECT_EQ(events, QStringList{"Got second"});
}

TEST_F(FocusTest, AFocusClearedInAHiddenWindowStaysClearedWhenItIsShown) {
  WindowA& window = makeWindow<WindowA>(false);
  second->setFocus();
  platform::ClearFocus();
  events.clear();
  window.show();
  processEvents();
  EXPECT_TRUE(events.isEmpty()) << events.join(QLatin1Char(',')).toStdString();
  EXPECT_EQ(app().focusedControl(), nullptr);
  EXPECT_NE(QApplication::focusWidget(), second->widget());
}

TEST_F(FocusTest, SetFocusInAnInactiveWindowRaisesGotFocusAtOnce) {
  WindowA& a = makeWindow<WindowA>(true);
  EditField* inA = first;
  WindowB& b = makeWindow<WindowB>(true);
  b.show();
  processEvents();
  events.clear();
  inA->setFocus();
  EXPECT_EQ(events, QStringList{"Got first"});
  EXPECT_EQ(app().focusedControl(), inA);
  (void)a;
}

TEST_F(FocusTest, ClearFocusLeavesNoControlFocused) {
  WindowA& window = makeWindow<WindowA>(true);
  processEvents();
  first->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), first->widget());
  platform::ClearFocus();
  EXPECT_EQ(events, (QStringList{"Got first", "Lost first"}));
  EXPECT_EQ(app().focusedControl(), nullptr);
  EXPECT_FALSE(first->hasFocus());
  processEvents();
  QWidget* qtFocus = QApplication::focusWidget();
  EXPECT_TRUE(qtFocus == nullptr || qtFocus == window.widget() || qtFocus == window.content())
      << "Qt focus left on " << qtFocus->objectName().toStdString();
  events.clear();
  platform::ClearFocus();
  EXPECT_TRUE(events.isEmpty()) << "clearing no focus raises nothing";
}

TEST_F(FocusTest, AGotFocusHandlerThatClearsTheFocusEndsWithNothingFocused) {
  WindowA& window = makeWindow<WindowA>(false);
  EditField* sink = window.make<EditField>(QStringLiteral("sink"), first);
  sink->setBounds(151, 16, 80, 22);
  sink->setVisible(false);
  int sinkGot = 0;
  sink->connectGotFocus([&] {
    ++sinkGot;
    platform::ClearFocus();
  });
  sink->setFocus();
  EXPECT_EQ(sinkGot, 1);
  EXPECT_EQ(app().focusedControl(), nullptr);
  window.show();
  processEvents();
  EXPECT_EQ(app().focusedControl(), nullptr);
  EXPECT_TRUE(events.isEmpty()) << "Qt's first focus raised " << events.join(QLatin1Char(',')).toStdString();
}

TEST_F(FocusTest, QtsFirstFocusWhenAWindowIsShownRaisesNothing) {
  WindowA& window = makeWindow<WindowA>(false);
  window.show();
  processEvents();
  EXPECT_TRUE(events.isEmpty()) << events.join(QLatin1Char(',')).toStdString();
  EXPECT_EQ(app().focusedControl(), nullptr);
  EXPECT_NE(QApplication::focusWidget(), first->widget()) << "no field holds the keys unasked";
  // Nor does showing it again, or activating it.
  window.setVisible(false);
  window.show();
  window.widget()->activateWindow();
  processEvents();
  EXPECT_TRUE(events.isEmpty()) << events.join(QLatin1Char(',')).toStdString();
}

TEST_F(FocusTest, AClickGivesTheFocusAndTheTabKeyMovesIt) {
  WindowA& window = makeWindow<WindowA>(true);
  processEvents();
  clickControl(*first);
  EXPECT_EQ(events, QStringList{"Got first"});
  EXPECT_EQ(app().focusedControl(), first);
  QTest::keyClick(first->widget(), Qt::Key_Tab);
  processEvents();
  EXPECT_EQ(events.mid(1), (QStringList{"Lost first", "Got second"}));
  clickControl(*canvas);
  EXPECT_EQ(events.mid(3), (QStringList{"Lost second", "Got canvas"}));
  (void)window;
}

TEST_F(FocusTest, OnlyTabAndShiftTabRaiseTabFocusAfterGotFocus) {
  makeWindow<WindowA>(true);
  processEvents();
  clickControl(*first);
  second->setFocus();
  first->setFocus();
  EXPECT_TRUE(tabbed.isEmpty()) << "a click or SetFocus is no Tab";
  events.clear();
  QTest::keyClick(first->widget(), Qt::Key_Tab);
  processEvents();
  EXPECT_EQ(tabbed, QStringList{"second"});
  EXPECT_EQ(events, (QStringList{"Lost first", "Got second"}));
  QTest::keyClick(second->widget(), Qt::Key_Backtab, Qt::ShiftModifier);
  processEvents();
  EXPECT_EQ(tabbed, (QStringList{"second", "first"}));
}

TEST_F(FocusTest, AControlThatRefusesTheFocusGetsNone) {
  makeWindow<WindowA>(false);
  canvas->setAcceptFocus(false);
  canvas->setFocus();
  EXPECT_TRUE(events.isEmpty());
  EXPECT_EQ(app().focusedControl(), nullptr);
}

TEST_F(FocusTest, ClosingAWindowForgetsItsFocusedControl) {
  WindowA& window = makeWindow<WindowA>(true);
  first->setFocus();
  window.close();
  EXPECT_EQ(app().focusedControl(), nullptr);
  processEvents();
}

class MouseDownTest : public PlatformTest {
 protected:
  MouseDownTest() {
    window = &app().instance<WindowA>();
    field = window->make<EditField>(QStringLiteral("EF"));
    field->setBounds(10, 10, 260, 30);
    field->setText(QStringLiteral("abcdef"));
    field->setSelStart(0);
    processEvents();
  }
  // Clicks far right in the field, after its last character.
  void clickAfterTheText() {
    auto* edit = static_cast<QPlainTextEdit*>(field->widget());
    clickControl(*field, QPoint(edit->viewport()->width() - 5, edit->viewport()->height() / 2));
  }
  WindowA* window = nullptr;
  EditField* field = nullptr;
};

struct MouseDownCase {
  bool handled;       // what the handler returns
  int selStartAfter;  // false lets the click go on and place the caret; true ends it there
};

class MouseDownResultTest : public MouseDownTest, public ::testing::WithParamInterface<MouseDownCase> {};

TEST_P(MouseDownResultTest, TheHandlersResultDecidesWhetherTheClickGoesOn) {
  int downs = 0;
  field->connectMouseDown([&](int, int) {
    ++downs;
    return GetParam().handled;
  });
  clickAfterTheText();
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(field->selStart(), GetParam().selStartAfter);
}

INSTANTIATE_TEST_SUITE_P(HandlerResults, MouseDownResultTest,
                         ::testing::Values(MouseDownCase{false, 6}, MouseDownCase{true, 0}),
                         [](const auto& info) { return std::string(info.param.handled ? "True" : "False"); });

TEST_F(MouseDownTest, AHandlerThatMovesTheFocusAndReturnsFalse) {
  // The converter fields' way: clear the focus, take it again, and let the click place the caret.
  QStringList events;
  field->connectGotFocus([&] { events << "Got"; });
  field->connectLostFocus([&] { events << "Lost"; });
  field->connectMouseDown([&](int, int) {
    events << "Down";
    platform::ClearFocus();
    field->setFocus();
    return false;
  });
  clickAfterTheText();
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(QApplication::focusWidget(), field->widget());
  EXPECT_EQ(field->selStart(), 6);
  EXPECT_EQ(events.last(), QStringLiteral("Got"));
  EXPECT_TRUE(events.contains(QStringLiteral("Down")));
}

}  // namespace
