#include "platform/picture.h"

#include <QFileInfo>

namespace platform {

Picture Picture::load(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  QImage image(path);
  if (image.isNull()) return {};
  return fromImage(image);
}

Picture Picture::fromImage(const QImage& image) {
  Picture picture;
  picture.data_ = std::make_shared<Data>();
  picture.data_->image = image;
  return picture;
}

int Picture::width() const { return data_ ? data_->image.width() : 0; }
int Picture::height() const { return data_ ? data_->image.height() : 0; }
int Picture::transparent() const { return data_ ? data_->transparent : 0; }

void Picture::setTransparent(int value) {
  if (data_) data_->transparent = value;
}

QImage Picture::rendered() const {
  if (!data_) return {};
  if (data_->transparent != 1) return data_->image;
  if (data_->renderedFor != data_->transparent) {
    QImage image = data_->image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
      }
    }
    data_->renderedCache = image;
    data_->renderedFor = data_->transparent;
  }
  return data_->renderedCache;
}

}  // namespace platform
