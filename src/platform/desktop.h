#pragma once
// What differs between desktops; one source file per system, chosen by the build.

#include <QString>
#include <QStringList>

namespace platform {

void openDesktopLanguageSettings();
QString desktopPreferencesFolder();
QStringList desktopUiLanguages();

// The preferred languages that a Unix environment names: LANGUAGE (a colon-separated list),
// then the first set of LC_ALL, LC_MESSAGES and LANG; "zh_TW.UTF-8" becomes "zh-TW".
QStringList uiLanguagesFromEnvironment(const QString& language, const QString& lcAll, const QString& lcMessages,
                                       const QString& lang);

}  // namespace platform
