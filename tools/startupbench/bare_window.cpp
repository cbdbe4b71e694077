// The yardstick for the start-up time: a bare Qt Widgets program that opens one empty window
// and, like the application with CALCIMANDARIX_QUIT_WHEN_IDLE=1, writes the time (microseconds
// since the epoch) of the first moment its event loop waits for input once the window has been
// drawn, and quits.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class QuitWhenIdle : public QObject {
 public:
  explicit QuitWhenIdle(QWidget& window) {
    window.installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] { idle(); });
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) drawn_ = true;
    return false;
  }

 private:
  void idle() {
    if (!drawn_) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  bool drawn_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(281, 296);
  QuitWhenIdle timing(window);
  window.show();
  return QApplication::exec();
}
