// The floor for the start-up: a bare Qt Widgets program that opens one empty window of the
// main window's size.

#include <QApplication>
#include <QWidget>

#include "quit_when_idle.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(281, 296);
  QuitWhenIdle timing(window);
  window.show();
  return QApplication::exec();
}
