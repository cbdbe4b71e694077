#include "support/temporary_bundle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString builtResources() {
  QDir contents = QFileInfo(QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE)).dir();  // Contents/MacOS
  contents.cdUp();
  return contents.filePath(QStringLiteral("Resources"));
}

TemporaryBundle::TemporaryBundle(const QString& bundleName) : bundle_(bundleName) {
  QDir(dir_.path()).mkpath(bundle_ + QStringLiteral("/Contents/MacOS"));
  QDir(dir_.path()).mkpath(bundle_ + QStringLiteral("/Contents/Resources"));
}

QString TemporaryBundle::executable() const {
  return dir_.filePath(bundle_ + QStringLiteral("/Contents/MacOS/calcimandarix"));
}

QString TemporaryBundle::resource(const QString& name) const {
  return dir_.filePath(bundle_ + QStringLiteral("/Contents/Resources/") + name);
}

bool TemporaryBundle::copyIn(const QString& name) const {
  return QFile::copy(QDir(builtResources()).filePath(name), resource(name));
}

QString TemporaryBundle::addDocument(const QString& name) const {
  const QString folder = dir_.filePath(QStringLiteral("Calcimandarix.app/Contents/Resources/Textes"));
  QDir().mkpath(folder);
  QFile file(folder + QLatin1Char('/') + name);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<!DOCTYPE html><title>t</title>");
  return file.fileName();
}
