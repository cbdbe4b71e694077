// Windows: one instance per class, Close raised once, a new instance after a close, modal
// loops that return after Close, the keys of a dialog, quitting, and window sizes.

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "platform/placement.h"
#include "platform/platform_fixture.h"

namespace {

using platform::DisclosureTriangle;
using platform::EditField;
using platform::PushButton;
using platform::Window;
using platform_test::PlatformTest;
using platform_test::WindowA;
using platform_test::WindowB;
using platform_test::WindowC;

class WindowTest : public PlatformTest {};

TEST_F(WindowTest, EachClassHasOneInstance) {
  EXPECT_EQ(app().liveInstance<WindowA>(), nullptr);
  WindowA& a = app().instance<WindowA>();
  EXPECT_EQ(&app().instance<WindowA>(), &a);
  EXPECT_EQ(app().liveInstance<WindowA>(), &a);
  EXPECT_EQ(app().liveWindow(QStringLiteral("TestWindow1")), &a);
  EXPECT_EQ(WindowA::log().opens, 1);
  WindowB& b = app().instance<WindowB>();
  EXPECT_NE(static_cast<Window*>(&b), static_cast<Window*>(&a));
  EXPECT_EQ(WindowA::log().opens, 1);
  EXPECT_EQ(WindowB::log().opens, 1);
  EXPECT_TRUE(a.visible()) << "shown once it is opened";
}

TEST_F(WindowTest, CloseRaisesCloseOnceAndTheNextUseBuildsANewWindow) {
  WindowA& a = app().instance<WindowA>();
  a.close();
  EXPECT_EQ(WindowA::log().closes, 1);
  EXPECT_TRUE(a.isClosed());
  EXPECT_FALSE(a.visible());
  EXPECT_EQ(app().liveInstance<WindowA>(), nullptr);
  a.close();
  EXPECT_EQ(WindowA::log().closes, 1) << "a closed window closes no more";
  WindowA& again = app().instance<WindowA>();
  EXPECT_FALSE(again.isClosed());
  EXPECT_EQ(WindowA::log().opens, 2) << "the new window's Open runs";
  again.close();
  EXPECT_EQ(WindowA::log().closes, 2);
  processEvents();
}

TEST_F(WindowTest, ClosingAWindowThatIsClosingDoesNothingMore) {
  struct Case {
    const char* what;
    std::function<void(Window&)> onClose;
  };
  const std::vector<Case> cases = {
      {"the Close handler closes it", [](Window& w) { w.close(); }},
      {"the Close handler closes it through the getter", [this](Window&) { app().instance<WindowA>().close(); }},
      {"the Close handler shows it", [](Window& w) { w.show(); }},
  };
  for (const Case& c : cases) {
    WindowA::log() = {};
    WindowA::log().onClose = c.onClose;
    WindowA& a = app().instance<WindowA>();
    a.close();
    EXPECT_EQ(WindowA::log().closes, 1) << c.what;
    EXPECT_EQ(WindowA::log().opens, 1) << c.what << ": no new window is built while it closes";
    EXPECT_EQ(app().liveInstance<WindowA>(), nullptr) << c.what;
    EXPECT_FALSE(a.visible()) << c.what;
  }
}

TEST_F(WindowTest, ACloseHandlerThatSetsAValueWhichClosesTheWindowAgain) {
  // The tape window's way: its Close sets a triangle of another window, whose Action closes it.
  WindowB& b = app().instance<WindowB>();
  auto* triangle = b.make<DisclosureTriangle>(QStringLiteral("DT"));
  triangle->connectAction([this, triangle] {
    if (triangle->value()) app().instance<WindowA>().close();
  });
  WindowA::log().onClose = [triangle](Window&) { triangle->setValue(true); };
  app().instance<WindowA>().close();
  EXPECT_EQ(WindowA::log().closes, 1);
  EXPECT_EQ(WindowA::log().opens, 1);
  EXPECT_EQ(app().liveInstance<WindowA>(), nullptr);
}

TEST_F(WindowTest, TheCloseBoxReachesTheCloseEvent) {
  WindowA& a = app().instance<WindowA>();
  a.widget()->close();
  EXPECT_EQ(WindowA::log().closes, 1);
  EXPECT_EQ(app().liveInstance<WindowA>(), nullptr);
  WindowB& b = app().instance<WindowB>();
  QCloseEvent event;
  QApplication::sendEvent(b.widget(), &event);
  EXPECT_EQ(WindowB::log().closes, 1);
  EXPECT_EQ(app().liveInstance<WindowB>(), nullptr);
  processEvents();
}

TEST_F(WindowTest, ShowModalReturnsAfterTheWindowClosedAndItsCloseRan) {
  QStringList order;
  WindowA::log().onClose = [&](Window&) { order << "Close"; };
  WindowA& a = app().instance<WindowA>();
  services().onNextModal([&](Window& w) {
    order << "shown " + w.className();
    EXPECT_TRUE(w.inModalLoop());
    EXPECT_TRUE(w.visible());
    w.close();
  });
  a.showModal();
  order << "returned";
  EXPECT_EQ(order, (QStringList{"shown TestWindow1", "Close", "returned"}));
  EXPECT_EQ(app().liveInstance<WindowA>(), nullptr);
  EXPECT_TRUE(services().modalActions.empty());
}

TEST_F(WindowTest, ShowModalEndsOnATimerToo) {
  WindowA& a = app().instance<WindowA>();
  services().onNextModal([&](Window& w) {
    // The window closes later, from the modal loop's own events.
    bool closedByTimer = false;
    QTimer::singleShot(20, w.widget(), [&] {
      closedByTimer = true;
      w.close();
    });
    while (!closedByTimer) QTest::qWait(5);
  });
  a.showModal();
  EXPECT_EQ(WindowA::log().closes, 1);
}

class DialogTest : public PlatformTest {
 protected:
  // A modal dialog with an OK button (the default) and a field.
  WindowA& makeDialog() {
    WindowA::log().onOpen = [this](Window& w) {
      w.setFrame(platform::Frame::MovableModal);
      w.setVisibleAtCreation(false);
      ok = w.make<PushButton>(QStringLiteral("PB"));
      ok->setBounds(200, 150, 80, 24);
      ok->setCaption(QStringLiteral("OK"));
      ok->setDefault(true);
      ok->connectAction([this, &w] {
        ++presses;
        w.close();
      });
      field = w.make<EditField>(QStringLiteral("EF"));
      field->setBounds(10, 10, 200, 24);
    };
    WindowA& dialog = app().instance<WindowA>();
    WindowA::log().onOpen = nullptr;
    return dialog;
  }

 public:
  PushButton* ok = nullptr;
  EditField* field = nullptr;
  int presses = 0;
};

TEST_F(DialogTest, EveryWayOfEndingAModalWindowReachesItsClose) {
  struct Case {
    const char* what;
    std::function<void(DialogTest&, Window&)> end;
    int presses;
  };
  const std::vector<Case> cases = {
      {"a click on OK", [](DialogTest& t, Window&) { clickControl(*t.ok); }, 1},
      {"Return", [](DialogTest&, Window& w) { QTest::keyClick(w.widget(), Qt::Key_Return); }, 1},
      {"Enter on the keypad",
       [](DialogTest&, Window& w) { QTest::keyClick(w.widget(), Qt::Key_Enter, Qt::KeypadModifier); }, 1},
      {"Return in a one-line field",
       [](DialogTest& t, Window&) {
         t.field->setFocus();
         QTest::keyClick(t.field->widget(), Qt::Key_Return);
       },
       1},
      {"Escape", [](DialogTest&, Window& w) { QTest::keyClick(w.widget(), Qt::Key_Escape); }, 0},
      {"Escape in a field",
       [](DialogTest& t, Window&) {
         t.field->setFocus();
         QTest::keyClick(t.field->widget(), Qt::Key_Escape);
       },
       0},
      {"the close box", [](DialogTest&, Window& w) { w.widget()->close(); }, 0},
  };
  for (const Case& c : cases) {
    WindowA::log() = {};
    presses = 0;
    WindowA& dialog = makeDialog();
    services().onNextModal([this, &c](Window& w) { c.end(*this, w); });
    dialog.showModal();
    EXPECT_EQ(WindowA::log().closes, 1) << c.what;
    EXPECT_EQ(presses, c.presses) << c.what;
    EXPECT_EQ(app().liveInstance<WindowA>(), nullptr) << c.what;
  }
}

TEST_F(DialogTest, EscapePressesTheCancelButton) {
  struct Case {
    const char* what;
    bool visible, enabled;
    int cancels, closes;
  };
  const std::vector<Case> cases = {
      {"a cancel button", true, true, 1, 1},
      {"a disabled cancel button", true, false, 0, 0},
      {"a hidden cancel button, as none", false, true, 0, 1},
  };
  for (const Case& c : cases) {
    WindowA::log() = {};
    presses = 0;
    WindowA& dialog = makeDialog();
    int cancels = 0;
    auto* cancel = dialog.make<PushButton>(QStringLiteral("PBcancel"));
    cancel->setBounds(110, 150, 80, 24);
    cancel->setCancel(true);
    cancel->setVisible(c.visible);
    cancel->setEnabled(c.enabled);
    cancel->connectAction([&cancels, &dialog] {
      ++cancels;
      dialog.close();
    });
    dialog.show();
    QTest::keyClick(dialog.widget(), Qt::Key_Escape);
    EXPECT_EQ(cancels, c.cancels) << c.what;
    EXPECT_EQ(WindowA::log().closes, c.closes) << c.what;
    EXPECT_EQ(presses, 0) << c.what << ": the default button is left alone";
    if (app().liveInstance<WindowA>() != nullptr) dialog.close();
  }
}

TEST_F(DialogTest, ReturnInAMultilineFieldAddsALine) {
  WindowA& dialog = makeDialog();
  dialog.show();
  field->setMultiline(true);
  field->setFocus();
  QTest::keyClick(field->widget(), Qt::Key_Return);
  EXPECT_EQ(presses, 0);
  EXPECT_EQ(field->text(), QStringLiteral("\n"));
  dialog.close();
}

TEST_F(DialogTest, ADisabledDefaultButtonIsNotPressed) {
  WindowA& dialog = makeDialog();
  dialog.show();
  ok->setEnabled(false);
  QTest::keyClick(dialog.widget(), Qt::Key_Return);
  EXPECT_EQ(presses, 0);
  EXPECT_EQ(WindowA::log().closes, 0);
  dialog.close();
}

TEST_F(WindowTest, EscapeLeavesADocumentWindowOpen) {
  WindowA& a = app().instance<WindowA>();
  QTest::keyClick(a.widget(), Qt::Key_Escape);
  EXPECT_EQ(WindowA::log().closes, 0);
}

TEST_F(WindowTest, AWindowWhoseHandlerIsRunningOutlivesAModalWindowShownFromIt) {
  // A button's handler closes its own window, then shows another modally; when the modal loop
  // returns, the handler's window and button still exist until the handler is done.
  WindowA& a = app().instance<WindowA>();
  auto* button = a.make<PushButton>(QStringLiteral("PB"));
  button->setBounds(10, 10, 80, 24);
  QPointer<QWidget> buttonWidget = button->widget();
  bool aliveAfterModal = false;
  QString captionAfterModal;
  button->setCaption(QStringLiteral("Go"));
  button->connectAction([&, button] {
    a.close();
    services().onNextModal([](Window& w) { w.close(); });
    app().instance<WindowB>().showModal();
    processEvents();
    aliveAfterModal = !buttonWidget.isNull();
    if (aliveAfterModal) captionAfterModal = button->caption();
  });
  clickControl(*button);
  EXPECT_TRUE(aliveAfterModal);
  EXPECT_EQ(captionAfterModal, QStringLiteral("Go"));
  EXPECT_EQ(WindowB::log().closes, 1);
}

TEST_F(WindowTest, AModalWindowClosedByAPostedEventStaysUntilItsLoopReturns) {
  WindowA& a = app().instance<WindowA>();
  services().onNextModal([](Window& w) {
    // Close from a queued call that the modal loop runs, then let it run more events.
    QMetaObject::invokeMethod(
        w.widget(), [&w] { w.close(); }, Qt::QueuedConnection);
    QTest::qWait(10);
  });
  a.showModal();
  EXPECT_EQ(WindowA::log().closes, 1);
  processEvents();
}

TEST_F(WindowTest, QuitRaisesNoCloseEvent) {
  app().instance<WindowA>();
  WindowB& b = app().instance<WindowB>();
  b.setVisible(false);
  app().quit(3);
  EXPECT_TRUE(app().quitRequested());
  EXPECT_EQ(app().exitCode(), 3);
  endApplication();
  EXPECT_EQ(WindowA::log().closes, 0);
  EXPECT_EQ(WindowB::log().closes, 0);
}

TEST_F(WindowTest, QuitEndsAModalLoopWithoutClosingTheWindow) {
  WindowA& a = app().instance<WindowA>();
  services().onNextModal([this](Window&) { app().quit(); });
  a.showModal();
  EXPECT_EQ(WindowA::log().closes, 0);
  endApplication();
  EXPECT_EQ(WindowA::log().closes, 0);
}

TEST_F(WindowTest, AQuitWithoutARunningLoopLeavesLaterEventLoopsWorking) {
  app().quit();
  QEventLoop loop;
  QTimer::singleShot(10, &loop, [&loop] { loop.exit(7); });
  EXPECT_EQ(loop.exec(), 7);
}

class WindowSizeTest : public PlatformTest {};

TEST_F(WindowSizeTest, AFixedWindowTakesTheHeightSetByCodeWhateverItsBounds) {
  WindowA& a = app().instance<WindowA>();
  a.setSize(281, 296);
  a.setMinSize(244, 345);
  a.setMaxSize(863, 345);
  processEvents();
  EXPECT_EQ(a.content()->height(), 296);
  EXPECT_EQ(a.content()->width(), 281);
  for (int height : {392, 296, 392}) {
    a.setHeight(height);
    if (height == 392) a.setMaxHeight(392);
    processEvents();
    EXPECT_EQ(a.height(), height);
    EXPECT_EQ(a.content()->height(), height);
    EXPECT_EQ(a.widget()->height(), height) << "the window has no menu bar here";
    EXPECT_EQ(a.content()->width(), 281);
  }
  EXPECT_EQ(a.minHeight(), 345) << "the bounds are kept as set";
}

TEST_F(WindowSizeTest, AFixedWindowHiddenThenShownKeepsItsHeight) {
  WindowA::log().onOpen = [](Window& w) { w.setVisibleAtCreation(false); };
  WindowA& a = app().instance<WindowA>();
  a.setSize(281, 296);
  a.setMinSize(244, 345);
  a.setHeight(392);
  a.show();
  processEvents();
  EXPECT_EQ(a.content()->height(), 392);
}

class LocksTest : public PlatformTest {
 protected:
  LocksTest() {
    WindowB::log().onOpen = [this](Window& w) {
      w.setFrame(platform::Frame::Floating);
      w.setResizable(true);
      w.setSize(280, 275);
      w.setMinSize(100, 100);
      stretched = w.make<EditField>(QStringLiteral("EF"));
      stretched->setBounds(0, 0, 280, 275);
      stretched->setLocks(true, true, true, true);
      corner = w.make<PushButton>(QStringLiteral("PB"));
      corner->setBounds(200, 240, 70, 25);
      corner->setLocks(false, false, true, true);
      topLeft = w.make<PushButton>(QStringLiteral("TL"));
      topLeft->setBounds(10, 10, 50, 20);
      topLeft->setLocks(true, true, false, false);
      rightOnly = w.make<PushButton>(QStringLiteral("RO"));
      rightOnly->setBounds(100, 100, 50, 20);
      rightOnly->setLocks(true, true, true, false);
    };
    window = &app().instance<WindowB>();
    processEvents();
  }
  static QRect rectOf(platform::Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }

  WindowB* window = nullptr;
  EditField* stretched = nullptr;
  PushButton* corner = nullptr;
  PushButton* topLeft = nullptr;
  PushButton* rightOnly = nullptr;
};

TEST_F(LocksTest, LockedControlsFollowTheWindowsSize) {
  struct Case {
    const char* what;
    std::function<void(Window&)> resize;
  };
  const std::vector<Case> cases = {
      {"the user resizes it", [](Window& w) { w.widget()->resize(380, 375); }},
      {"code sets its size", [](Window& w) { w.setSize(380, 375); }},
  };
  for (const Case& c : cases) {
    c.resize(*window);
    processEvents();
    EXPECT_EQ(window->width(), 380) << c.what;
    EXPECT_EQ(window->height(), 375) << c.what;
    EXPECT_EQ(rectOf(*stretched), QRect(0, 0, 380, 375)) << c.what;
    EXPECT_EQ(stretched->widget()->geometry(), QRect(0, 0, 380, 375)) << c.what;
    EXPECT_EQ(rectOf(*corner), QRect(300, 340, 70, 25)) << c.what << ": same distance to the right and bottom";
    EXPECT_EQ(corner->widget()->geometry(), QRect(300, 340, 70, 25)) << c.what;
    EXPECT_EQ(rectOf(*topLeft), QRect(10, 10, 50, 20)) << c.what;
    EXPECT_EQ(rectOf(*rightOnly), QRect(100, 100, 150, 20)) << c.what;
    window->setSize(280, 275);
    processEvents();
    EXPECT_EQ(rectOf(*stretched), QRect(0, 0, 280, 275)) << c.what << ": and back";
    EXPECT_EQ(rectOf(*corner), QRect(200, 240, 70, 25)) << c.what;
  }
}

TEST_F(LocksTest, LocksDoNothingInAFixedWindow) {
  WindowC::log().onOpen = [](Window& w) {
    w.setSize(200, 200);
    auto* locked = w.make<PushButton>(QStringLiteral("PB"));
    locked->setBounds(100, 150, 50, 20);
    locked->setLocks(false, false, true, true);
  };
  WindowC& fixed = app().instance<WindowC>();
  fixed.setHeight(300);
  processEvents();
  EXPECT_EQ(fixed.findControl(QStringLiteral("PB"))->top(), 150);
  EXPECT_EQ(fixed.findControl(QStringLiteral("PB"))->widget()->geometry().top(), 150);
}

class PlacementTest : public PlatformTest {
 protected:
  // Centres of rectangles of even size differ by the rounding of one pixel.
  static bool centredOn(const QRect& window, const QRect& area) {
    const QPoint d = window.center() - area.center();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
  }
};

// A note comes up beside the document window the user last worked in, covering none of it,
// each time it is shown, also after that window moved.
TEST_F(PlacementTest, ANoteGoesBesideItsParentEachTimeItIsShown) {
  WindowA& parent = app().instance<WindowA>();
  parent.widget()->move(40, 30);
  parent.show();
  processEvents();

  // Placements are design properties, set before the window is first shown.
  WindowB::log().onOpen = [](Window& w) {
    w.setSize(100, 60);
    w.setFrame(platform::Frame::Floating);
    w.setPlacement(platform::Placement::ParentWindow);
  };
  WindowB& note = app().instance<WindowB>();
  for (const QPoint& parentAt : {QPoint(40, 30), QPoint(200, 150)}) {
    parent.widget()->move(parentAt);
    note.setVisible(false);
    note.show();
    const QRect beside = note.widget()->frameGeometry();
    const QRect main = parent.widget()->frameGeometry();
    EXPECT_FALSE(beside.intersects(main)) << parentAt.x();
    EXPECT_GT(beside.left(), main.right()) << "to its right, where the screen has room";
    EXPECT_EQ(beside.bottom(), main.bottom()) << "level with its bottom";
  }
}

TEST(PlaceBesideTest, TakesTheFirstSideWithRoomOnTheScreen) {
  const QRect screen(0, 0, 800, 600);
  const QSize note(349, 102);
  struct Case {
    const char* what;
    QRect parent;
    QRect area;
    QPoint expected;
  };
  const std::vector<Case> cases = {
      {"right, level with the bottom", {0, 0, 281, 420}, screen, {289, 318}},
      {"left at the screen's right edge", {519, 0, 281, 420}, screen, {162, 318}},
      {"below when neither side has room", {260, 0, 281, 420}, screen, {260, 428}},
      {"above when nothing else has room", {260, 160, 281, 420}, screen, {260, 50}},
      {"beside, slid up onto the screen", {0, 0, 281, 60}, screen, {289, 0}},
      {"below, slid left onto the screen", {300, 0, 300, 400}, {0, 0, 600, 600}, {251, 408}},
      {"into the screen when no side has room", {200, 100, 400, 480}, screen, {451, 478}},
      {"to the right when there is no screen", {10, 10, 281, 420}, QRect(), {299, 328}},
  };
  for (const Case& c : cases) {
    const QRect place = platform::placeBeside(c.parent, note, c.area);
    EXPECT_EQ(place.topLeft(), c.expected) << c.what;
    EXPECT_EQ(place.size(), note) << c.what;
    if (!c.area.isNull()) {
      EXPECT_TRUE(c.area.contains(place)) << c.what;
    }
  }
}

TEST_F(PlacementTest, AWindowOnTheMainScreenIsCentredThereOnItsFirstShowing) {
  WindowC::log().onOpen = [](Window& w) { w.setPlacement(platform::Placement::MainScreen); };
  WindowC& about = app().instance<WindowC>();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(centredOn(about.widget()->frameGeometry(), screen));
  // A window the user moved afterwards stays where it was put.
  about.widget()->move(5, 5);
  about.setVisible(false);
  about.show();
  EXPECT_EQ(about.widget()->pos(), QPoint(5, 5));
}

}  // namespace
