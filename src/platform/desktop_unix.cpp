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

QString desktopPreferencesFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QStringList desktopUiLanguages() {
  auto env = [](const char* name) { return QString::fromLocal8Bit(qgetenv(name)); };
  QStringList names = uiLanguagesFromEnvironment(env("LANGUAGE"), env("LC_ALL"), env("LC_MESSAGES"), env("LANG"));
  return names.isEmpty() ? QLocale::system().uiLanguages() : names;
}

}  // namespace platform
