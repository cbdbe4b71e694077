#include <QApplication>
#include <QFontDatabase>

#include "platform/widgets_p.h"

namespace platform {

namespace {

QString chineseFamily() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* wanted : {"WenQuanYi Zen Hei", "Heiti SC", "STHeiti", "Noto Sans CJK SC", "Noto Sans SC",
                               "Source Han Sans SC", "PingFang SC", "Microsoft YaHei", "SimHei"}) {
      const QString name = QString::fromLatin1(wanted);
      if (families.contains(name, Qt::CaseInsensitive)) return name;
    }
    for (const QString& name : families) {
      if (QFontDatabase::writingSystems(name).contains(QFontDatabase::SimplifiedChinese)) return name;
    }
    return QApplication::font().family();
  }();
  return family;
}

}  // namespace

QFont resolveFont(const FontSpec& spec) {
  QFont font = QApplication::font();
  if (spec.family.compare(QLatin1String("hei"), Qt::CaseInsensitive) == 0) {
    font.setFamilies({chineseFamily()});
  } else if (spec.family.compare(QLatin1String("system"), Qt::CaseInsensitive) != 0 && !spec.family.isEmpty()) {
    font.setFamilies({spec.family, chineseFamily()});
  }
  if (spec.size > 0) font.setPixelSize(spec.size);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

QString displayText(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1Char('\f'), QLatin1Char('\n'));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace platform
