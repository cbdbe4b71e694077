#pragma once
// What differs between desktops; one source file per system, chosen by the build.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace platform {

// Opens a document or a URL with the desktop's default application; `failed` runs when the
// desktop has nothing to open it with, and only while `owner` lives. What the desktop opened
// runs on when `owner` and the application end.
void openWithDesktop(const QUrl& target, QObject& owner, std::function<void()> failed);
// Opens the desktop's language settings in a tool that runs on its own; `failed` runs when no
// tool for them is installed or the tool cannot be started.
void openDesktopLanguageSettings(std::function<void()> failed);
QString desktopPreferencesFolder();
QStringList desktopUiLanguages();

// The preferred languages that a Unix environment names: LANGUAGE (a colon-separated list),
// then the first set of LC_ALL, LC_MESSAGES and LANG; "zh_TW.UTF-8" becomes "zh-TW".
QStringList uiLanguagesFromEnvironment(const QString& language, const QString& lcAll, const QString& lcMessages,
                                       const QString& lang);

}  // namespace platform
