#include <QAbstractEventDispatcher>
#include <QApplication>

#include "app/App.h"
#include "platform/services.h"

namespace {

// For timing the start-up: with CALCIMANDARIX_QUIT_WHEN_IDLE=1 the application quits at the
// first moment its event loop waits for input once the Open event has run.
void quitWhenIdle(App& application) {
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, qApp,
                   [&application] {
                     if (application.opened() && !application.quitRequested()) application.quit(0);
                   });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calcimandarix"));
  App application(std::make_unique<platform::QtServices>());
  if (qEnvironmentVariableIntValue("CALCIMANDARIX_QUIT_WHEN_IDLE") == 1) quitWhenIdle(application);
  return application.run();
}
