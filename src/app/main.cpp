#include <QAbstractEventDispatcher>
#include <QApplication>
#include <chrono>
#include <cstdio>

#include "app/App.h"
#include "platform/services.h"

namespace {

// For timing the start-up: with CALCIMANDARIX_QUIT_WHEN_IDLE=1 the application writes the time
// (microseconds since the epoch) of the first moment its event loop waits for input once the
// Open event has run, and quits.
void quitWhenIdle(App& application) {
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, qApp,
                   [&application] {
                     if (!application.opened() || application.quitRequested()) return;
                     const auto now = std::chrono::system_clock::now().time_since_epoch();
                     std::printf("%lld\n", static_cast<long long>(
                                               std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                     std::fflush(stdout);
                     application.quit(0);
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
