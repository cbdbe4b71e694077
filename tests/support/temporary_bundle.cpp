#include "support/temporary_bundle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
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

void TemporaryBundle::copyResources(const QString& skipped) const {
  const QDir from(builtResources());
  QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString relative = from.relativeFilePath(it.next());
    if (!skipped.isEmpty() && (relative == skipped || relative.startsWith(skipped + QLatin1Char('/')))) continue;
    QDir().mkpath(QFileInfo(resource(relative)).path());
    EXPECT_TRUE(QFile::copy(it.filePath(), resource(relative))) << relative.toStdString();
  }
}

QString TemporaryBundle::addDocument(const QString& name) const {
  const QString folder = dir_.filePath(QStringLiteral("Calcimandarix.app/Contents/Resources/Textes"));
  QDir().mkpath(folder);
  QFile file(folder + QLatin1Char('/') + name);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<!DOCTYPE html><title>t</title>");
  return file.fileName();
}
