#pragma once
// Files and folders: items by path, one-byte Boolean streams, pictures and documents.

#include <QString>
#include <memory>

#include "platform/picture.h"

class QIODevice;

namespace platform {

class BinaryStream {
 public:
  BinaryStream();
  ~BinaryStream();
  BinaryStream(BinaryStream&&) noexcept;
  BinaryStream& operator=(BinaryStream&&) noexcept;

  bool isOpen() const;
  // One byte; only its lowest bit counts. A byte past the end reads as false.
  bool readBoolean();
  // One byte, 1 for true and 0 for false.
  void writeBoolean(bool value);
  // Ends the stream; a written file replaces the old one only now, whole, and only when every
  // byte was written. Returns false when the write failed (the old file is then untouched).
  bool close();

 private:
  friend class FolderItem;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(QString path) : path_(std::move(path)) {}

  bool isNull() const { return path_.isEmpty(); }
  QString path() const { return path_; }
  QString name() const;
  FolderItem child(const QString& name) const;
  FolderItem parent() const;
  bool exists() const;
  bool isFolder() const;
  bool remove() const;
  // Makes this folder, and the folders above it that are missing; true when it exists after.
  bool createFolder() const;
  // A new file, written through a temporary file that replaces this one at close.
  BinaryStream createBinaryFile(const QString& fileType) const;
  // Reading only (write false), or reading and writing in place.
  BinaryStream openAsBinaryFile(bool write) const;
  Picture openAsPicture() const;
  // Opens the document in its default application (through the services seam), which the
  // desktop brings to the front; one that nothing opens is reported in a message box.
  bool launch() const;

  // The user's preferences folder.
  static FolderItem preferencesFolder();
  // An item of the folder that holds the application (the folder around its bundle).
  static FolderItem getFolderItem(const QString& name);
  // The running executable.
  static FolderItem executableFile();
  // The resources folder of the bundle that the running executable belongs to: the executable
  // lies in Contents/MacOS, the resources in Contents/Resources beside it.
  static FolderItem bundleResources();

 private:
  QString path_;
};

}  // namespace platform
