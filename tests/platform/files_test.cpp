// Folder items and one-byte Boolean streams: reading past the end, the lowest bit, writing
// through a temporary file, and the application's folder beside its bundle.

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "platform/files.h"
#include "platform/platform_fixture.h"

namespace {

using platform::BinaryStream;
using platform::FolderItem;
using platform_test::PlatformTest;

class FilesTest : public PlatformTest {
 protected:
  FilesTest() { EXPECT_TRUE(dir.isValid()); }
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }
  QTemporaryDir dir;
};

TEST_F(FilesTest, ReadBooleanTakesTheLowestBitAndIsFalsePastTheEnd) {
  write(QStringLiteral("prefs"), QByteArray("\x01\x00\x02\x03\xFF\xFE", 6));
  BinaryStream stream = FolderItem(path(QStringLiteral("prefs"))).openAsBinaryFile(false);
  ASSERT_TRUE(stream.isOpen());
  const QList<bool> expected = {true, false, false, true, true, false, false, false};
  QList<bool> got;
  for (int i = 0; i < expected.size(); ++i) got << stream.readBoolean();
  EXPECT_EQ(got, expected);
  EXPECT_TRUE(stream.close());
  EXPECT_FALSE(stream.readBoolean()) << "a closed stream reads false";
}

TEST_F(FilesTest, AnEmptyOrMissingFileReadsFalse) {
  write(QStringLiteral("empty"), QByteArray());
  BinaryStream empty = FolderItem(path(QStringLiteral("empty"))).openAsBinaryFile(false);
  EXPECT_TRUE(empty.isOpen());
  EXPECT_FALSE(empty.readBoolean());
  BinaryStream missing = FolderItem(path(QStringLiteral("missing"))).openAsBinaryFile(false);
  EXPECT_FALSE(missing.isOpen());
  EXPECT_FALSE(missing.readBoolean());
  BinaryStream none;
  EXPECT_FALSE(none.readBoolean());
  none.writeBoolean(true);
  EXPECT_FALSE(none.close());
}

TEST_F(FilesTest, CreateBinaryFileReplacesTheOldFileOnlyAtClose) {
  write(QStringLiteral("prefs"), QByteArray("\x00\x00\x00\x00", 4));
  FolderItem item(path(QStringLiteral("prefs")));
  BinaryStream stream = item.createBinaryFile(QStringLiteral("pref"));
  ASSERT_TRUE(stream.isOpen());
  stream.writeBoolean(true);
  stream.writeBoolean(false);
  stream.writeBoolean(true);
  EXPECT_EQ(read(QStringLiteral("prefs")), QByteArray("\x00\x00\x00\x00", 4)) << "untouched until the close";
  EXPECT_TRUE(stream.close());
  EXPECT_EQ(read(QStringLiteral("prefs")), QByteArray("\x01\x00\x01", 3));
  EXPECT_EQ(entries(), QStringList{"prefs"}) << "no temporary file is left";
}

TEST_F(FilesTest, AStreamThatGoesOutOfScopeIsWritten) {
  {
    BinaryStream stream = FolderItem(path(QStringLiteral("new"))).createBinaryFile(QString());
    stream.writeBoolean(true);
    BinaryStream moved = std::move(stream);
    moved.writeBoolean(true);
  }
  EXPECT_EQ(read(QStringLiteral("new")), QByteArray("\x01\x01", 2));
}

TEST_F(FilesTest, AFailedWriteLeavesTheOldFileUntouched) {
  write(QStringLiteral("prefs"), QByteArray("\x01\x01\x01\x01", 4));
  // Files may grow to 2 bytes only: the new file cannot be written whole.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 2;
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  BinaryStream stream = FolderItem(path(QStringLiteral("prefs"))).createBinaryFile(QString());
  const bool opened = stream.isOpen();
  for (int i = 0; i < 4; ++i) stream.writeBoolean(false);
  const bool closed = stream.close();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(closed) << "the close reports the failure";
  EXPECT_EQ(read(QStringLiteral("prefs")), QByteArray("\x01\x01\x01\x01", 4));
  EXPECT_EQ(entries(), QStringList{"prefs"}) << "the temporary file is removed";
}

TEST_F(FilesTest, AFileThatCannotBeCreatedGivesAClosedStream) {
  struct Case {
    const char* what;
    QString path;
  };
  QDir(dir.path()).mkdir(QStringLiteral("folder"));
  write(QStringLiteral("folder/inside"), QByteArray("\x01", 1));
  const std::vector<Case> cases = {
      {"a folder is in the way", path(QStringLiteral("folder"))},
      {"the folder does not exist", path(QStringLiteral("missing/prefs"))},
      {"no item", QString()},
  };
  for (const Case& c : cases) {
    BinaryStream stream = FolderItem(c.path).createBinaryFile(QString());
    EXPECT_FALSE(stream.isOpen()) << c.what;
    stream.writeBoolean(true);
    EXPECT_FALSE(stream.close()) << c.what;
  }
  EXPECT_EQ(read(QStringLiteral("folder/inside")), QByteArray("\x01", 1));
  EXPECT_TRUE(FolderItem(path(QStringLiteral("folder"))).isFolder());
}

TEST_F(FilesTest, OpenForWritingChangesBytesInPlace) {
  write(QStringLiteral("prefs"), QByteArray("\x00\x00\x00", 3));
  BinaryStream stream = FolderItem(path(QStringLiteral("prefs"))).openAsBinaryFile(true);
  EXPECT_FALSE(stream.readBoolean());
  stream.writeBoolean(true);
  EXPECT_TRUE(stream.close());
  EXPECT_EQ(read(QStringLiteral("prefs")), QByteArray("\x00\x01\x00", 3));
}

TEST_F(FilesTest, ItemsExistAndGo) {
  FolderItem folder(dir.path());
  EXPECT_TRUE(folder.exists());
  EXPECT_TRUE(folder.isFolder());
  FolderItem file = folder.child(QStringLiteral("x"));
  EXPECT_EQ(file.name(), QStringLiteral("x"));
  EXPECT_FALSE(file.exists());
  EXPECT_FALSE(file.remove());
  write(QStringLiteral("x"), QByteArray("\x01", 1));
  EXPECT_TRUE(file.exists());
  EXPECT_FALSE(file.isFolder());
  EXPECT_EQ(file.parent().path(), folder.path());
  EXPECT_TRUE(file.remove());
  EXPECT_FALSE(file.exists());
  EXPECT_TRUE(FolderItem().child(QStringLiteral("x")).isNull());
  EXPECT_FALSE(FolderItem().exists());
  EXPECT_TRUE(FolderItem().openAsPicture().isNull());
  EXPECT_TRUE(file.openAsPicture().isNull()) << "a missing picture is nil";
}

TEST_F(FilesTest, GetFolderItemLooksBesideTheBundle) {
  struct Case {
    const char* executable;
    const char* item;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"/opt/apps/Calcimandarix.app/Contents/MacOS/calcimandarix", "Calcimandarix.app", "/opt/apps/Calcimandarix.app"},
      {"/opt/apps/Calcimandarix.app/Contents/MacOS/calcimandarix", "notes.txt", "/opt/apps/notes.txt"},
      {"/opt/Other.app/Contents/MacOS/x", "y", "/opt/y"},
      {"/usr/local/bin/calcimandarix", "y", "/usr/local/bin/y"},  // outside a bundle: the executable's folder
      {"/opt/NotABundle/Contents/MacOS/x", "y", "/opt/NotABundle/Contents/MacOS/y"},
  };
  for (const Case& c : cases) {
    services().executable = QString::fromLatin1(c.executable);
    EXPECT_EQ(FolderItem::getFolderItem(QString::fromLatin1(c.item)).path(), QString::fromLatin1(c.expected))
        << c.executable;
  }
}

TEST_F(FilesTest, TheBuiltBundleHoldsItsHelpDocumentsWhereTheApplicationLooks) {
  services().executable = QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE);
  const FolderItem bundle = FolderItem::getFolderItem(QStringLiteral("Calcimandarix.app"));
  EXPECT_TRUE(bundle.isFolder()) << bundle.path().toStdString();
  EXPECT_EQ(FolderItem::bundleResources().path(),
            bundle.child(QStringLiteral("Contents")).child(QStringLiteral("Resources")).path());
  EXPECT_TRUE(FolderItem::bundleResources().child(QStringLiteral("Textes")).isFolder());
}

TEST_F(FilesTest, TheResourcesAreThoseOfTheBundleTheExecutableBelongsTo) {
  services().executable = QStringLiteral("/opt/Any name.app/Contents/MacOS/calcimandarix");
  EXPECT_EQ(FolderItem::bundleResources().path(), QStringLiteral("/opt/Any name.app/Contents/Resources"));
}

TEST_F(FilesTest, LaunchGoesThroughTheServices) {
  write(QStringLiteral("doc.html"), "<p>");
  EXPECT_TRUE(FolderItem(path(QStringLiteral("doc.html"))).launch());
  EXPECT_EQ(services().documents, QStringList{path(QStringLiteral("doc.html"))});
  EXPECT_FALSE(FolderItem(path(QStringLiteral("missing.html"))).launch());
  EXPECT_EQ(services().documents.size(), 1);
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(FilesTest, ADocumentTheDesktopCannotOpenIsReportedByName) {
  write(QStringLiteral("doc.html"), "<p>");
  services().desktopOpensNothing = true;
  EXPECT_TRUE(FolderItem(path(QStringLiteral("doc.html"))).launch());
  EXPECT_EQ(services().messages, QStringList{QStringLiteral("Nothing on this system can open “doc.html”.")});
}

}  // namespace
