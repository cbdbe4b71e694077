#include <QDir>
#include <QLocale>
#include <QProcess>

#include "platform/desktop.h"

namespace platform {

void openDesktopLanguageSettings() {
  QProcess::startDetached(QStringLiteral("open"),
                          {QStringLiteral("x-apple.systempreferences:com.apple.Localization-Settings")});
}

QString desktopPreferencesFolder() { return QDir::homePath() + QStringLiteral("/Library/Preferences"); }

QStringList desktopUiLanguages() { return QLocale::system().uiLanguages(); }

}  // namespace platform
