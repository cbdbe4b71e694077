#include "support/caption_ink.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

namespace {

// The pixels where the two pictures differ, in device pixels.
QRect differingPixels(const QImage& a, const QImage& b) {
  QRect differ;
  for (int y = 0; y < a.height() && y < b.height(); ++y) {
    for (int x = 0; x < a.width() && x < b.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) differ |= QRect(x, y, 1, 1);
    }
  }
  return differ;
}

}  // namespace

QRect paintedCaption(QAbstractButton& button) {
  const QString caption = button.text();
  if (caption.isEmpty()) return {};
  const QImage with = button.grab().toImage();
  button.setText(QString());
  const QImage without = button.grab().toImage();
  button.setText(caption);
  const QRect pixels = differingPixels(with, without);
  // grab() paints at the screen's pixel ratio.
  const qreal ratio = with.devicePixelRatio();
  if (ratio == 1) return pixels;
  return QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio).toAlignedRect();
}

QSize uncutCaptionSize(QAbstractButton& button) {
  // Grown by an even number of pixels, the button keeps its caption at the same fraction of a
  // pixel from its middle and its left edge, so the caption paints the same pixels, uncut.
  const QSize size = button.size();
  const int room = 2 * (button.fontMetrics().horizontalAdvance(button.text()) + button.fontMetrics().height());
  button.resize(size + QSize(room, room));
  const bool grown = button.size() == size + QSize(room, room);
  const QSize uncut = paintedCaption(button).size();
  button.resize(size);
  return grown ? uncut : QSize();
}
