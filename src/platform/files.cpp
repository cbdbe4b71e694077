#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/application.h"
#include "platform/services.h"

namespace platform {

struct BinaryStream::Impl {
  std::unique_ptr<QFile> file;
  std::unique_ptr<QSaveFile> saveFile;
  bool failed = false;
  QIODevice* device() const {
    if (file) return file.get();
    return saveFile.get();
  }
};

BinaryStream::BinaryStream() = default;
BinaryStream::~BinaryStream() { close(); }
BinaryStream::BinaryStream(BinaryStream&&) noexcept = default;
BinaryStream& BinaryStream::operator=(BinaryStream&&) noexcept = default;

bool BinaryStream::isOpen() const { return impl_ && impl_->device() && impl_->device()->isOpen(); }

bool BinaryStream::readBoolean() {
  if (!isOpen()) return false;
  char byte = 0;
  if (impl_->device()->read(&byte, 1) != 1) return false;
  return (byte & 1) != 0;
}

void BinaryStream::writeBoolean(bool value) {
  if (!isOpen()) return;
  const char byte = value ? 1 : 0;
  if (impl_->device()->write(&byte, 1) != 1) impl_->failed = true;
}

bool BinaryStream::close() {
  if (!impl_) return false;
  bool ok = !impl_->failed;
  if (impl_->saveFile) {
    if (impl_->saveFile->isOpen()) {
      // The buffered bytes go out first: a write that fails there (a full disk) must not let
      // the commit replace the old file with a part of the new one, which commit alone would.
      ok = ok && impl_->saveFile->flush() && impl_->saveFile->error() == QFileDevice::NoError;
      if (ok) {
        ok = impl_->saveFile->commit();
      } else {
        impl_->saveFile->cancelWriting();
        impl_->saveFile->commit();
      }
    }
  } else if (impl_->file && impl_->file->isOpen()) {
    ok = impl_->file->flush() && ok;
    impl_->file->close();
  }
  impl_.reset();
  return ok;
}

QString FolderItem::name() const { return QFileInfo(path_).fileName(); }

FolderItem FolderItem::child(const QString& name) const {
  if (isNull()) return {};
  return FolderItem(QDir(path_).filePath(name));
}

FolderItem FolderItem::parent() const {
  if (isNull()) return {};
  const QString up = QFileInfo(path_).absolutePath();
  if (up == path_) return {};
  return FolderItem(up);
}

bool FolderItem::exists() const { return !isNull() && QFileInfo::exists(path_); }

bool FolderItem::isFolder() const { return !isNull() && QFileInfo(path_).isDir(); }

bool FolderItem::remove() const {
  if (!exists()) return false;
  if (isFolder()) return QDir(path_).rmdir(path_);
  return QFile::remove(path_);
}

bool FolderItem::createFolder() const { return !isNull() && QDir().mkpath(path_); }

BinaryStream FolderItem::createBinaryFile(const QString& fileType) const {
  (void)fileType;  // desktops other than the Mac keep no file type
  BinaryStream stream;
  if (isNull() || isFolder()) return stream;
  auto save = std::make_unique<QSaveFile>(path_);
  if (!save->open(QIODevice::WriteOnly)) return stream;
  stream.impl_ = std::make_unique<BinaryStream::Impl>();
  stream.impl_->saveFile = std::move(save);
  return stream;
}

BinaryStream FolderItem::openAsBinaryFile(bool write) const {
  BinaryStream stream;
  if (isNull() || isFolder()) return stream;
  auto file = std::make_unique<QFile>(path_);
  if (!file->open(write ? QIODevice::ReadWrite : QIODevice::ReadOnly)) return stream;
  stream.impl_ = std::make_unique<BinaryStream::Impl>();
  stream.impl_->file = std::move(file);
  return stream;
}

Picture FolderItem::openAsPicture() const {
  if (isNull()) return {};
  return Picture::load(path_);
}

bool FolderItem::launch() const {
  if (!exists()) return false;
  const QString shownName = name();
  Application::current()->services().openDocument(path_, [shownName] { ReportCannotOpen(shownName); });
  return true;
}

FolderItem FolderItem::bundleResources() {
  return executableFile().parent().parent().child(QStringLiteral("Resources"));
}

FolderItem FolderItem::preferencesFolder() {
  return FolderItem(Application::current()->services().preferencesFolder());
}

FolderItem FolderItem::executableFile() { return FolderItem(Application::current()->services().executablePath()); }

FolderItem FolderItem::getFolderItem(const QString& name) {
  // The executable lies in <folder>/Calcimandarix.app/Contents/MacOS; the application's folder
  // is <folder>, the one that holds the bundle. Outside a bundle it is the executable's folder.
  FolderItem exe = executableFile();
  FolderItem folder = exe.parent();
  FolderItem contents = folder.parent();
  FolderItem bundle = contents.parent();
  if (folder.name() == QLatin1String("MacOS") && contents.name() == QLatin1String("Contents") &&
      bundle.name().endsWith(QLatin1String(".app"))) {
    folder = bundle.parent();
  }
  return folder.child(name);
}

}  // namespace platform
