#include <QPainter>

#include "platform/controls.h"
#include "platform/widgets_p.h"

namespace platform {

// ---- Canvas ----

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  const QImage image = canvas_.backdrop().rendered();
  if (!image.isNull()) painter.drawImage(0, 0, image);
  if (canvas_.useFocusRing() && hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

bool CanvasWidget::focusNextPrevChild(bool next) {
  if (canvas_.acceptTabs()) return true;
  return QWidget::focusNextPrevChild(next);
}

Canvas::Canvas(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  setWidget(new CanvasWidget(*this, parentWidget()));
}

void Canvas::setBackdrop(const Picture& picture) {
  backdrop_ = picture;
  widget()->update();
}

void Canvas::setUseFocusRing(bool on) {
  useFocusRing_ = on;
  widget()->update();
}

void Canvas::setMouseTransparent(bool on) { widget()->setAttribute(Qt::WA_TransparentForMouseEvents, on); }

}  // namespace platform
