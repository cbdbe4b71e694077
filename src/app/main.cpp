#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "app/App.h"
#include "platform/services.h"

namespace {

// For timing the start-up: with CALCIMANDARIX_QUIT_WHEN_IDLE=1 the application writes the time
// (microseconds since the epoch) of the first moment its event loop waits for input once the
// Open event has run and the main window has been drawn, and quits.
class QuitWhenIdle : public QObject {
 public:
  explicit QuitWhenIdle(App& application) : application_(application) {
    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] { idle(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && application_.opened()) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->window()->objectName() == QLatin1String("Fpr")) drawn_ = true;
    }
    return false;
  }

 private:
  void idle() {
    if (!drawn_ || application_.quitRequested()) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stdout);
    application_.quit(0);
  }

  App& application_;
  bool drawn_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calcimandarix"));
  App application(std::make_unique<platform::QtServices>());
  std::unique_ptr<QuitWhenIdle> timing;
  if (qEnvironmentVariableIntValue("CALCIMANDARIX_QUIT_WHEN_IDLE") == 1)
    timing = std::make_unique<QuitWhenIdle>(application);
  return application.run();
}
