#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/desktop.h"

namespace platform {

void openDesktopLanguageSettings() {
  // The first language or region settings tool of the common desktops that is installed.
  const QList<QStringList> candidates = {
      {QStringLiteral("gnome-control-center"), QStringLiteral("region")},
      {QStringLiteral("systemsettings"), QStringLiteral("kcm_regionandlang")},
      {QStringLiteral("systemsettings5"), QStringLiteral("kcm_translations")},
      {QStringLiteral("cinnamon-settings"), QStringLiteral("region")},
      {QStringLiteral("mate-language-selector")},
      {QStringLiteral("xfce4-settings-manager")},
  };
  for (const QStringList& candidate : candidates) {
    const QString program = QStandardPaths::findExecutable(candidate.first());
    if (program.isEmpty()) continue;
    QProcess::startDetached(program, candidate.mid(1));
    return;
  }
}

QString desktopPreferencesFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }

QStringList desktopUiLanguages() {
  auto env = [](const char* name) { return QString::fromLocal8Bit(qgetenv(name)); };
  const QString lcAll = env("LC_ALL"), lcMessages = env("LC_MESSAGES"), lang = env("LANG");
  // A locale set to C or POSIX names no language, and LANGUAGE is ignored with it; only an
  // environment that sets no locale at all leaves the choice to Qt.
  if (lcAll.isEmpty() && lcMessages.isEmpty() && lang.isEmpty()) return QLocale::system().uiLanguages();
  return uiLanguagesFromEnvironment(env("LANGUAGE"), lcAll, lcMessages, lang);
}

}  // namespace platform
