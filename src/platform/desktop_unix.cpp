#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/desktop.h"

namespace platform {

namespace {

// Runs a desktop tool and watches it: a tool that cannot start, or that ends saying it failed
// (xdg-open's codes for a missing handler, a tool's own error), runs `failed`. A tool that is
// still running (a viewer that xdg-open waits for) has done its work.
void runTool(const QString& program, const QStringList& arguments, QObject& owner, std::function<void()> failed) {
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty()) {
    if (failed) failed();
    return;
  }
  auto* process = new QProcess(&owner);
  // What the tool prints is for a terminal, not for the user of a window; its exit code speaks.
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
    if ((status != QProcess::NormalExit || code != 0) && failed) failed();
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    if (failed) failed();
    process->deleteLater();
  });
  process->start(path, arguments);
}

}  // namespace

void openWithDesktop(const QUrl& target, QObject& owner, std::function<void()> failed) {
  const QString argument = target.isLocalFile() ? target.toLocalFile() : target.toString();
  runTool(QStringLiteral("xdg-open"), {argument}, owner, std::move(failed));
}

void openDesktopLanguageSettings(QObject& owner, std::function<void()> failed) {
  // The language page of the settings of the desktops that Debian ships with one.
  const QList<QStringList> candidates = {
      {QStringLiteral("gnome-control-center"), QStringLiteral("region")},
      {QStringLiteral("budgie-control-center"), QStringLiteral("region")},
      {QStringLiteral("systemsettings"), QStringLiteral("kcm_regionandlang")},
      {QStringLiteral("systemsettings5"), QStringLiteral("kcm_regionandlang")},
      {QStringLiteral("lxqt-config-locale")},
  };
  for (const QStringList& candidate : candidates) {
    if (QStandardPaths::findExecutable(candidate.first()).isEmpty()) continue;
    runTool(candidate.first(), candidate.mid(1), owner, std::move(failed));
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
