#include <QApplication>

#include "app/App.h"
#include "platform/services.h"

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calcimandarix"));
  App application(std::make_unique<platform::QtServices>());
  return application.run();
}
