#pragma once
// A picture shared by all its holders: setting Transparent on one handle acts on every user.

#include <QImage>
#include <memory>

namespace platform {

class Picture {
 public:
  Picture() = default;
  // Loads a picture file; a null picture when the file is missing or is no picture. The file
  // is read here, once; its pixels are decoded when the picture is first drawn.
  static Picture load(const QString& path);
  static Picture fromImage(const QImage& image);

  bool isNull() const { return !data_; }
  explicit operator bool() const { return !isNull(); }
  bool operator==(const Picture& other) const { return data_ == other.data_; }

  int width() const;
  int height() const;
  // 1: white pixels are drawn transparent; 0: the picture is drawn as it is.
  int transparent() const;
  void setTransparent(int value);
  // The picture as it is drawn, with Transparent applied.
  QImage rendered() const;

 private:
  struct Data {
    // The file's bytes while its pixels are still to be decoded; empty once they are.
    QByteArray pending;
    QByteArray format;  // "png", or empty to let Qt recognise it
    QSize size;
    QImage image;
    int transparent = 0;
    mutable QImage renderedCache;
    mutable int renderedFor = -1;
  };
  const QImage& image() const;
  std::shared_ptr<Data> data_;
};

}  // namespace platform
