#include "platform/services.h"

#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

void QtServices::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

bool QtServices::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void QtServices::openLanguageSettings() { openDesktopLanguageSettings(); }

QStringList QtServices::uiLanguages() { return desktopUiLanguages(); }

QString QtServices::preferencesFolder() { return desktopPreferencesFolder(); }

QString QtServices::executablePath() { return QCoreApplication::applicationFilePath(); }

}  // namespace platform
