#include <QApplication>

#include "app/App.h"
#include "platform/idle_probe.h"
#include "platform/services.h"

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calcimandarix"));
  App application(std::make_unique<platform::QtServices>());
  const auto probe = platform::idleProbeFromEnvironment(application, QStringLiteral("Fpr"),
                                                        [&application] { return application.opened(); });
  return application.run();
}
