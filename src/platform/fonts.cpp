#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#include "platform/widgets_p.h"

namespace platform {

namespace {

constexpr int defaultPixelSize = 12;

QString chineseFamily() {
  static const QString family = [] {
    // The list of families names them in the desktop's language (文泉驿正黑 under a Chinese
    // locale), so a wanted face is asked for by its own name.
    for (const char* wanted : {"WenQuanYi Zen Hei", "Heiti SC", "STHeiti", "Noto Sans CJK SC", "Noto Sans SC",
                               "Source Han Sans SC", "PingFang SC", "Microsoft YaHei", "SimHei"}) {
      const QString name = QString::fromLatin1(wanted);
      if (QFontDatabase::hasFamily(name)) return name;
    }
    for (const QString& name : QFontDatabase::families()) {
      if (QFontDatabase::writingSystems(name).contains(QFontDatabase::SimplifiedChinese)) return name;
    }
    return QApplication::font().family();
  }();
  return family;
}

QFont makeFont(const FontSpec& spec) {
  QFont font = QApplication::font();
  if (isHei(spec)) {
    font.setFamilies({chineseFamily()});
  } else if (spec.family.compare(QLatin1String("system"), Qt::CaseInsensitive) != 0 && !spec.family.isEmpty()) {
    font.setFamilies({spec.family, chineseFamily()});
  }
  // Size 0 is the platform's own size, which the design's controls were sized for; a desktop's
  // larger default would overflow them, so it is one size here whatever the desktop's setting.
  font.setPixelSize(spec.size > 0 ? spec.size : defaultPixelSize);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

}  // namespace

// Controls of one face and size share one font object, so they share its loaded engines too.
QFont resolveFont(const FontSpec& spec) {
  static QFont base;
  static QHash<QString, QFont> fonts;
  if (!(base == QApplication::font())) {
    base = QApplication::font();
    fonts.clear();
  }
  const QString key = spec.family.toCaseFolded() + QLatin1Char('/') + QString::number(spec.size) +
                      QLatin1Char(spec.bold ? 'b' : '-') + QLatin1Char(spec.italic ? 'i' : '-') +
                      QLatin1Char(spec.underline ? 'u' : '-');
  auto found = fonts.constFind(key);
  if (found == fonts.constEnd()) found = fonts.insert(key, makeFont(spec));
  return *found;
}

void setControlFont(QWidget* widget, const FontSpec& spec) {
  const QFont font = resolveFont(spec);
  // A widget that already shows the font keeps its own: setting it again would copy it and lay
  // the widget out anew.
  if (widget->font() == font && widget->font().resolveMask() == font.resolveMask()) return;
  widget->setFont(font);
}

bool isHei(const FontSpec& spec) { return spec.family.compare(QLatin1String("hei"), Qt::CaseInsensitive) == 0; }

qreal lineHeightFor(const QFont& font, bool hei) {
  const qreal own = QFontMetricsF(font).lineSpacing();
  if (!hei) return own;
  // Hei's lines were the size and a twentieth: two lines of 20 fit the display's 44 pixels.
  const qreal size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  return std::min(own, std::ceil(size * 1.05));
}

QRect wholeInkPixels(const QRectF& ink) {
  if (ink.isEmpty()) return {};
  const int left = int(std::ceil(ink.left())), top = int(std::ceil(ink.top()));
  return QRect(left, top, int(std::floor(ink.right())) - left, int(std::floor(ink.bottom())) - top);
}

QRectF glyphsInk(const QList<QGlyphRun>& runs) {
  QRectF ink;
  for (const QGlyphRun& run : runs) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
      const QRectF glyph = font.boundingRect(glyphs[i]);
      if (!glyph.isEmpty()) ink |= glyph.translated(positions[i]);
    }
  }
  return ink;
}

QString displayText(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1Char('\f'), QLatin1Char('\n'));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace platform
