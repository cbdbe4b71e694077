#include "platform/services.h"

#include "platform/desktop.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QUrl>

namespace platform {

void QtServices::messageBox(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box;
  box.setIcon(QMessageBox::NoIcon);
  box.setText(shown);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void QtServices::openUrl(const QString& url, Failed failed) { openWithDesktop(QUrl(url), openers_, std::move(failed)); }

void QtServices::openDocument(const QString& path, Failed failed) {
  openWithDesktop(QUrl::fromLocalFile(path), openers_, std::move(failed));
}

void QtServices::openLanguageSettings(Failed failed) { openDesktopLanguageSettings(std::move(failed)); }

QStringList QtServices::uiLanguages() { return desktopUiLanguages(); }

QString QtServices::preferencesFolder() { return desktopPreferencesFolder(); }

QString QtServices::executablePath() { return QCoreApplication::applicationFilePath(); }

}  // namespace platform
