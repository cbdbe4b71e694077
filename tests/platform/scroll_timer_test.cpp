// A large scroll position shows a field's end; timers fire once or repeatedly as their mode says.

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "platform/platform_fixture.h"

namespace {

using platform::EditField;
using platform::Timer;
using platform_test::PlatformTest;
using platform_test::WindowA;

QString manyLines(int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += QStringLiteral("line %1\f").arg(i);
  return text;
}

class ScrollTest : public PlatformTest {
 protected:
  EditField* makeField(WindowA& window) {
    auto* field = window.make<EditField>(QStringLiteral("EditField1"));
    field->setBounds(0, 0, 280, 120);
    field->setMultiline(true);
    field->setScrollbarVertical(true);
    field->setReadOnly(true);
    return field;
  }
  static QScrollBar* bar(EditField* field) {
    return static_cast<QPlainTextEdit*>(field->widget())->verticalScrollBar();
  }
};

TEST_F(ScrollTest, ALargeScrollPositionShowsTheEnd) {
  WindowA& window = app().instance<WindowA>();
  EditField* field = makeField(window);
  processEvents();
  field->setText(manyLines(200));
  field->setScrollPosition(10000000);
  processEvents();
  EXPECT_GT(bar(field)->maximum(), 0);
  EXPECT_EQ(bar(field)->value(), bar(field)->maximum());
  field->setScrollPosition(0);
  processEvents();
  EXPECT_EQ(bar(field)->value(), 0);
}

TEST_F(ScrollTest, TheEndIsShownAlsoWhenTheWindowAppearsAfterwards) {
  WindowA::log().onOpen = [](platform::Window& w) { w.setVisibleAtCreation(false); };
  WindowA& window = app().instance<WindowA>();
  EditField* field = makeField(window);
  field->setText(manyLines(200));
  field->setScrollPosition(10000000);
  window.show();
  processEvents();
  EXPECT_GT(bar(field)->maximum(), 0);
  EXPECT_EQ(bar(field)->value(), bar(field)->maximum());
}

class TimerTest : public PlatformTest {};

TEST_F(TimerTest, ModesOffOnceAndMultiple) {
  WindowA& window = app().instance<WindowA>();
  auto* timer = window.make<Timer>(QStringLiteral("T"));
  int fired = 0;
  timer->connectAction([&] { ++fired; });
  timer->setPeriod(5);
  // Waits for firings rather than for a time, so that a busy machine only makes it slower;
  // a timer that never fires is caught by the test's timeout.
  auto waitUntilFired = [&](int count) {
    while (fired < count) QTest::qWait(5);
  };
  timer->setMode(1);
  waitUntilFired(1);
  QTest::qWait(60);
  EXPECT_EQ(fired, 1) << "mode 1 fires once";
  timer->setMode(2);
  waitUntilFired(3);
  timer->setMode(0);
  const int stopped = fired;
  QTest::qWait(30);
  EXPECT_EQ(fired, stopped) << "mode 0 is off";
}

}  // namespace
