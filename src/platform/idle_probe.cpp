#include "platform/idle_probe.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "platform/application.h"
#include "platform/idle_report.h"

namespace platform {

namespace {

class IdleProbe : public QObject {
 public:
  IdleProbe(Application& application, QString windowName, std::function<bool()> ready)
      : application_(application), windowName_(std::move(windowName)), ready_(std::move(ready)) {
    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] { idle(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && ready_()) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->window()->objectName() == windowName_) drawn_ = true;
    }
    return false;
  }

 private:
  void idle() {
    if (!drawn_ || application_.quitRequested()) return;
    printIdleReport();
    application_.quit(0);
  }

  Application& application_;
  QString windowName_;
  std::function<bool()> ready_;
  bool drawn_ = false;
};

}  // namespace

std::unique_ptr<QObject> idleProbeFromEnvironment(Application& application, const QString& windowName,
                                                  std::function<bool()> ready) {
  if (qEnvironmentVariableIntValue("CALCIMANDARIX_QUIT_WHEN_IDLE") != 1) return nullptr;
  return std::make_unique<IdleProbe>(application, windowName, std::move(ready));
}

}  // namespace platform
