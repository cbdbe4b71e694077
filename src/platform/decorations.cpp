#include <QFrame>
#include <QGroupBox>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "platform/controls.h"
#include "platform/widgets_p.h"

namespace platform {

// ---- GroupBox, Line, Separator ----

GroupBox::GroupBox(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  setWidget(new QGroupBox(parentWidget()));
  setAcceptFocus(false);
}

Line::Line(Window& window, QString name, Control* parent, int index) : Control(window, std::move(name), parent, index) {
  auto* frame = new RuleWidget(parentWidget());
  frame->setAutoFillBackground(true);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setWidget(frame);
  setAcceptFocus(false);
  setLineColor(0x000000);
}

void Line::setEndpoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  setBounds(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), borderWidth_),
            std::max(std::abs(y2 - y1), borderWidth_));
}

void Line::setBorderWidth(int width) {
  borderWidth_ = width;
  setEndpoints(x1_, y1_, x2_, y2_);
}

void Line::setLineColor(Color color) {
  QPalette palette = widget()->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(color));
  widget()->setPalette(palette);
}

Separator::Separator(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* frame = new RuleWidget(parentWidget());
  frame->setFrameShape(QFrame::HLine);
  frame->setFrameShadow(QFrame::Sunken);
  setWidget(frame);
  setAcceptFocus(false);
}

// ---- Timer ----

Timer::Timer(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
    if (onAction_) onAction_();
  });
}

Timer::~Timer() = default;

void Timer::setMode(int mode) {
  mode_ = mode;
  timer_->stop();
  if (mode == 0) return;
  timer_->setSingleShot(mode == 1);
  timer_->start(period_);
}

void Timer::setPeriod(int period) {
  period_ = period;
  if (timer_->isActive()) timer_->start(period_);
}

}  // namespace platform
