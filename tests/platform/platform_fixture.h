#pragma once
// A bare framework application per test, with recording services and small window classes
// that count their Open and Close events, to try the layer on real Qt widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/window.h"
#include "support/printers.h"
#include "support/recording_services.h"

namespace platform_test {

// What the windows of one test class saw; reset before each test.
struct WindowLog {
  int opens = 0;
  int closes = 0;
  int activates = 0;
  // Run inside the window's Open and Close events.
  std::function<void(platform::Window&)> onOpen;
  std::function<void(platform::Window&)> onClose;
};

// One window class per N: the framework keeps one instance of each class.
template <int N>
class TestWindow : public platform::Window {
 public:
  TestWindow() : platform::Window(QStringLiteral("TestWindow%1").arg(N)) { setSize(320, 240); }
  static WindowLog& log() {
    static WindowLog instance;
    return instance;
  }

 protected:
  void eventOpen() override {
    ++log().opens;
    if (log().onOpen) log().onOpen(*this);
  }
  void eventClose() override {
    ++log().closes;
    if (log().onClose) log().onClose(*this);
  }
  void eventActivate() override { ++log().activates; }
};

using WindowA = TestWindow<1>;
using WindowB = TestWindow<2>;
using WindowC = TestWindow<3>;

class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest();
  ~PlatformTest() override;

  platform::Application& app() { return *app_; }
  RecordingServices& services() { return *services_; }
  // Ends the application, as the end of a run does.
  void endApplication();
  // Gives the application a menu bar with the Edit menu's three commands.
  void installEditMenu();
  // Chooses the item of that name, as a click in its menu does.
  void chooseMenu(const QString& itemName);

  // Runs the event loop briefly (queued calls, deferred deletions of this level).
  static void processEvents();
  // A mouse click where the user would click: at pos in the window's content, delivered to
  // whatever widget lies there.
  static void clickInWindow(platform::Window& window, QPoint pos);
  // The mouse moved to pos in the window's content.
  static void moveMouseInWindow(platform::Window& window, QPoint pos);
  // A click on a control at pos in its own coordinates (its middle by default), sent to it.
  static void clickControl(platform::Control& control, QPoint pos = QPoint(-1, -1));

 private:
  RecordingServices* services_ = nullptr;
  std::unique_ptr<platform::Application> app_;
};

}  // namespace platform_test

QT_BEGIN_NAMESPACE
// Rectangles in test messages as left, top, width × height.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.left() << ", " << r.top() << ", " << r.width() << " x " << r.height();
}
QT_END_NAMESPACE
