#include "platform/picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

Picture Picture::load(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  // Pictures that may never be shown (the welcome pages of the other languages) cost no
  // decoding at start-up.
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  QBuffer buffer(&bytes);
  // A PNG is read by Qt's own handler; only other formats make Qt load its image plugins to
  // recognise them (several libraries to load, at every start).
  const QByteArray format = bytes.startsWith("\x89PNG\r\n\x1a\n") ? QByteArray("png") : QByteArray();
  QImageReader reader(&buffer, format);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid()) return {};
  Picture picture;
  picture.data_ = std::make_shared<Data>();
  picture.data_->pending = std::move(bytes);
  picture.data_->format = format;
  picture.data_->size = size;
  return picture;
}

Picture Picture::fromImage(const QImage& image) {
  Picture picture;
  picture.data_ = std::make_shared<Data>();
  picture.data_->image = image;
  picture.data_->size = image.size();
  return picture;
}

const QImage& Picture::image() const {
  if (!data_->pending.isEmpty()) {
    // A file that fails to decode after a sound header draws as nothing.
    data_->image = QImage::fromData(data_->pending, data_->format.isEmpty() ? nullptr : data_->format.constData());
    data_->pending.clear();
  }
  return data_->image;
}

int Picture::width() const { return data_ ? data_->size.width() : 0; }
int Picture::height() const { return data_ ? data_->size.height() : 0; }
int Picture::transparent() const { return data_ ? data_->transparent : 0; }

void Picture::setTransparent(int value) {
  if (data_) data_->transparent = value;
}

QImage Picture::rendered() const {
  if (!data_) return {};
  if (data_->transparent != 1) return image();
  if (data_->renderedFor != data_->transparent) {
    QImage image = this->image().convertToFormat(QImage::Format_ARGB32);
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
