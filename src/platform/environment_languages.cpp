#include "platform/desktop.h"

namespace platform {

namespace {

// "zh_TW.UTF-8@euro" -> "zh-TW"; "C" and "POSIX" name no language.
QString bcp47FromLocaleName(QString name) {
  name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
  if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return {};
  name.replace(QLatin1Char('_'), QLatin1Char('-'));
  return name;
}

}  // namespace

QStringList uiLanguagesFromEnvironment(const QString& language, const QString& lcAll, const QString& lcMessages,
                                       const QString& lang) {
  QStringList names;
  const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
  const QString localeName = bcp47FromLocaleName(locale);
  // GNU gettext ignores LANGUAGE when the locale is "C"; so do we.
  if (!localeName.isEmpty()) {
    for (const QString& part : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
      const QString name = bcp47FromLocaleName(part);
      if (!name.isEmpty() && !names.contains(name)) names << name;
    }
    if (!names.contains(localeName)) names << localeName;
  }
  return names;
}

}  // namespace platform
