#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/widgets_p.h"
#include "platform/window.h"

namespace platform {

// ---- Control ----

Control::Control(Window& window, QString name, Control* parent, int index)
    : window_(window), name_(std::move(name)), parent_(parent), index_(index) {}

Control::~Control() {
  window_.application().forgetControl(this);
  if (widget_) {
    // The layer's handlers go; Qt's own watchers of the widget (the accessibility cache, which
    // must hear it go) stay.
    QObject::disconnect(widget_, nullptr, widget_, nullptr);
    if (eventFilter_) widget_->removeEventFilter(eventFilter_.get());
  }
}

QWidget* Control::parentWidget() const { return parent_ && parent_->widget() ? parent_->widget() : window_.content(); }

void Control::setWidget(QWidget* widget) {
  widget_ = widget;
  widget->setObjectName(name_);
  eventFilter_ = std::make_unique<ControlEventFilter>(*this);
  widget->installEventFilter(eventFilter_.get());
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->installEventFilter(eventFilter_.get());
  // A child shows with its window; showing it before it has its bounds would make Qt size it
  // to its contents first, which costs a font and a layout for every control.
  const QWidget* parent = widget->parentWidget();
  if (!visible_ || !parent || parent->isVisible()) widget->setVisible(visible_);
  widget->setEnabled(enabled_);
  setAcceptFocus(acceptFocus_);
}

void Control::setBounds(int left, int top, int width, int height) {
  const int dx = left - left_;
  const int dy = top - top_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  // The controls inside move with it, so their window coordinates follow.
  if (dx != 0 || dy != 0) shiftChildren(dx, dy);
  repositionInParent();
}

void Control::shiftChildren(int dx, int dy) {
  for (const auto& control : window_.controls()) {
    if (control->parent_ != this) continue;
    control->left_ += dx;
    control->top_ += dy;
    control->shiftChildren(dx, dy);
  }
}

void Control::repositionInParent() {
  if (!widget_) return;
  const int offsetX = parent_ ? parent_->left() : 0;
  const int offsetY = parent_ ? parent_->top() : 0;
  // A window shrunk below the design may leave a stretched control no room; it keeps its
  // own size, so that it grows back with the window.
  widget_->setGeometry(left_ - offsetX, top_ - offsetY, std::max(width_, 0), std::max(height_, 0));
}

void Control::windowResized(int dw, int dh) {
  // Locked to both sides of a direction it stretches; locked to the far side alone it keeps its
  // distance to that side. Each control follows the window's edges, also inside another one,
  // so the window moves the widgets once every control has its new place.
  if (lockRight_) {
    if (lockLeft_) {
      width_ += dw;
    } else {
      left_ += dw;
    }
  }
  if (lockBottom_) {
    if (lockTop_) {
      height_ += dh;
    } else {
      top_ += dh;
    }
  }
}

void Control::setVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void Control::setHelpTag(const QString& tag) {
  helpTag_ = tag;
  if (widget_) widget_->setToolTip(tag);
}

void Control::setLocks(bool left, bool top, bool right, bool bottom) {
  lockLeft_ = left;
  lockTop_ = top;
  lockRight_ = right;
  lockBottom_ = bottom;
}

void Control::setAccessibleName(const QString& name) {
  if (widget_) widget_->setAccessibleName(name);
}

void Control::setAccessibleDescription(const QString& description) {
  if (widget_) widget_->setAccessibleDescription(description);
}

void Control::setAcceptFocus(bool accept) {
  acceptFocus_ = accept;
  if (!widget_) return;
  if (!accept) {
    widget_->setFocusPolicy(Qt::NoFocus);
  } else if (qobject_cast<QAbstractButton*>(widget_)) {
    // A click on a button leaves the keyboard where it was; Tab may still reach the button.
    widget_->setFocusPolicy(Qt::TabFocus);
  } else if (qobject_cast<QAbstractScrollArea*>(widget_)) {
    widget_->setFocusPolicy(Qt::StrongFocus);
  } else {
    widget_->setFocusPolicy(Qt::ClickFocus);
  }
}

void Control::setFocus() {
  if (!acceptFocus_) return;
  Application& app = window_.application();
  app.moveFocus(this);
  // A GotFocus handler may have moved the focus on already. In a hidden window Qt keeps the
  // focus for the moment the window is shown; a hidden control takes none.
  if (app.focusedControl() == this && widget_ && widget_->isVisibleTo(window_.widget())) {
    widget_->setFocus(Qt::OtherFocusReason);
  }
}

bool Control::hasFocus() const { return window_.application().focusedControl() == this; }

void Control::connectMouseDown(std::function<bool(int, int)> handler) {
  onMouseDown_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::connectMouseEnter(std::function<void()> handler) {
  onMouseEnter_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::connectMouseExit(std::function<void()> handler) {
  onMouseExit_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::focusGained() {
  if (onGotFocus_) onGotFocus_();
}

void Control::focusLost() {
  if (onLostFocus_) onLostFocus_();
}

void Control::tabFocused() {
  if (onTabFocus_) onTabFocus_();
}

bool Control::mousePressed(int x, int y) { return onMouseDown_ ? onMouseDown_(x, y) : false; }

void Control::mouseEntered() {
  if (onMouseEnter_) onMouseEnter_();
}

void Control::mouseExited() {
  if (onMouseExit_) onMouseExit_();
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event) {
  (void)watched;
  // While the application ends, what Qt does as the windows go reaches no handler.
  if (control_.window().application().tearingDown()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint p = mouse->position().toPoint();
      // True from the handler ends the click here; false lets it go on (caret placed as usual).
      return control_.mousePressed(p.x(), p.y());
    }
    case QEvent::Enter:
      control_.mouseEntered();
      break;
    case QEvent::Leave:
      control_.mouseExited();
      break;
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      Application& app = control_.window().application();
      if (app.focusedControl() == &control_) break;
      if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
          reason == Qt::ShortcutFocusReason) {
        if (!control_.acceptFocus()) break;
        app.moveFocus(&control_);
        const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        if (byTab && app.focusedControl() == &control_) control_.tabFocused();
      } else if (QWidget* widget = control_.widget()) {
        // Focus that Qt hands out by itself (a window's first focus) is not the user's choice.
        QPointer<QWidget> guarded(widget);
        QTimer::singleShot(0, widget, [guarded, &app, this] {
          if (guarded && guarded->hasFocus() && app.focusedControl() != &control_) guarded->clearFocus();
        });
      }
      break;
    }
    default:
      break;
  }
  return false;
}

}  // namespace platform
