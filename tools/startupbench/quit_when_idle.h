#pragma once
// What the application does with CALCIMANDARIX_QUIT_WHEN_IDLE=1, for a bare program: at the
// first moment its event loop waits for input once the window has been drawn, it writes the
// idle report and quits.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "platform/idle_report.h"

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
    if (!drawn_ || done_) return;
    done_ = true;
    platform::printIdleReport();
    QCoreApplication::exit(0);
  }

  bool drawn_ = false;
  bool done_ = false;
};
