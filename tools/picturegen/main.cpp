// Draws the bundle's pictures, so that no unexplained binary is kept in the sources.
// Usage: picturegen <output folder>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

QImage blank(int width, int height, QColor fill = Qt::white) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(fill);
  return image;
}

void screen(const QString& path) {
  // A calculator screen whose white border lets the grey window show through.
  QImage image = blank(261, 64);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(QColor(206, 222, 196));
  p.drawRoundedRect(QRectF(2, 2, 257, 60), 8, 8);
  p.end();
  image.save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(out.path());
  screen(out.filePath(QStringLiteral("ecran15")));
  for (const char* name : {"Icone64.png", "ImageFR.png", "ImageEN.png", "ImageSIMP.png", "ImageTRAD.png",
                           "ImageBon.png", "ImageMauvais.png"}) {
    blank(64, 64).save(out.filePath(QString::fromLatin1(name)), "PNG");
  }
  return 0;
}
