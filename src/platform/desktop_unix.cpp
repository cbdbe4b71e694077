#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/desktop.h"

namespace platform {

namespace {

// Runs xdg-open and watches it: an opener that cannot start, or that ends saying it failed
// (its codes for a missing handler or a failed action), runs `failed` while `owner` lives. An
// opener still running (a viewer that it waits for) has done its work. The process has no
// parent: deleting a running QProcess kills it, and the viewer must outlive the application.
void runOpener(const QString& argument, QObject& owner, std::function<void()> failed) {
  const QString path = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (path.isEmpty()) {
    if (failed) failed();
    return;
  }
  auto* process = new QProcess;
  // What the opener prints is for a terminal, not for the user of a window; its exit code speaks.
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, &owner, [failed](int code, QProcess::ExitStatus status) {
    if ((status != QProcess::NormalExit || code != 0) && failed) failed();
  });
  QObject::connect(process, &QProcess::errorOccurred, &owner, [failed](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart && failed) failed();
  });
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) process->deleteLater();
  });
  process->start(path, {argument});
}

}  // namespace

void openWithDesktop(const QUrl& target, QObject& owner, std::function<void()> failed) {
  const QString argument = target.isLocalFile() ? target.toLocalFile() : target.toString();
  runOpener(argument, owner, std::move(failed));
}

void openDesktopLanguageSettings(std::function<void()> failed) {
  // The language page of the settings of the desktops that Debian ships with one.
  const QList<QStringList> candidates = {
      {QStringLiteral("gnome-control-center"), QStringLiteral("region")},
      {QStringLiteral("budgie-control-center"), QStringLiteral("region")},
      {QStringLiteral("systemsettings"), QStringLiteral("kcm_regionandlang")},
      {QStringLiteral("systemsettings5"), QStringLiteral("kcm_regionandlang")},
      {QStringLiteral("lxqt-config-locale")},
  };
  for (const QStringList& candidate : candidates) {
    const QString path = QStandardPaths::findExecutable(candidate.first());
    if (path.isEmpty()) continue;
    // The settings window is the user's own once it is open: it runs on after the application.
    QProcess tool;
    tool.setProgram(path);
    tool.setArguments(candidate.mid(1));
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    if (!tool.startDetached() && failed) failed();
    return;
  }
  if (failed) failed();
}

QString desktopPreferencesFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }

QStringList desktopUiLanguages() {
  auto env = [](const char* name) { return QString::fromLocal8Bit(qgetenv(name)); };
  return uiLanguagesFromEnvironment(env("LANGUAGE"), env("LC_ALL"), env("LC_MESSAGES"), env("LANG"));
}

}  // namespace platform
