#include "platform/desktop.h"

namespace platform {

namespace {

// "zh_TW.UTF-8@euro" -> "zh-TW"; "C" and "POSIX", with or without a codeset, name no language.
QString bcp47FromLocaleName(QString name) {
  name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
  if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return {};
  name.replace(QLatin1Char('_'), QLatin1Char('-'));
  return name;
}

bool isPlainCLocale(const QString& locale) { return locale == QLatin1String("C") || locale == QLatin1String("POSIX"); }

}  // namespace

QStringList uiLanguagesFromEnvironment(const QString& language, const QString& lcAll, const QString& lcMessages,
                                       const QString& lang) {
  // As GNU gettext: the locale is the first set of LC_ALL, LC_MESSAGES and LANG, "C" when none
  // is. LANGUAGE is ignored only under the C locale itself ("C.UTF-8" honours it); when it is
  // honoured it replaces the locale, and a "C" in it ends the list.
  QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
  if (locale.isEmpty()) locale = QStringLiteral("C");
  if (isPlainCLocale(locale)) return {};
  QStringList names;
  for (const QString& part : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    if (isPlainCLocale(part)) break;
    const QString name = bcp47FromLocaleName(part);
    if (!name.isEmpty() && !names.contains(name)) names << name;
  }
  if (!language.isEmpty()) return names;
  const QString localeName = bcp47FromLocaleName(locale);
  if (!localeName.isEmpty()) names << localeName;
  return names;
}

}  // namespace platform
