// The yardstick for the start-up time: a bare Qt Widgets program that opens one empty window
// and, like the application with CALCIMANDARIX_QUIT_WHEN_IDLE=1, writes the time (microseconds
// since the epoch) of the first moment its event loop waits for input, and quits.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(281, 296);
  window.show();
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &application,
                   [] {
                     const auto now = std::chrono::system_clock::now().time_since_epoch();
                     std::printf("%lld\n", static_cast<long long>(
                                               std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                     std::fflush(stdout);
                     QCoreApplication::exit(0);
                   });
  return QApplication::exec();
}
