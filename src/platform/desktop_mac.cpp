#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QProcess>

#include "platform/desktop.h"

namespace platform {

void openWithDesktop(const QUrl& target, QObject& owner, std::function<void()> failed) {
  (void)owner;
  if (!QDesktopServices::openUrl(target) && failed) failed();
}

void openDesktopLanguageSettings(std::function<void()> failed) {
  const bool started = QProcess::startDetached(
      QStringLiteral("open"), {QStringLiteral("x-apple.systempreferences:com.apple.Localization-Settings")});
  if (!started && failed) failed();
}

QString desktopPreferencesFolder() { return QDir::homePath() + QStringLiteral("/Library/Preferences"); }

QStringList desktopUiLanguages() { return QLocale::system().uiLanguages(); }

}  // namespace platform
