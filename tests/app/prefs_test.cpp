// Writing the preferences file: its four bytes, and the old file kept whole when a write fails.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/app_fixture.h"

namespace {

class SavePrefsTest : public AppFixture {
 protected:
  void setFlags(bool welcome, bool defaults, bool simplified, bool usual) {
    App& a = application();
    a.preflueafficherbienvenue = welcome;
    a.prefluedefaut = defaults;
    a.prefluesimplifie = simplified;
    a.preflueusuelle = usual;
  }
  // The names in the preferences folder, hidden ones included: a write leaves no temporary file.
  QStringList folderEntries() const {
    return QDir(QFileInfo(prefsPath()).path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
};

TEST_F(SavePrefsTest, WritesFourBytesInTheOrderOfTheFlags) {
  start();
  // Every combination, the stored table included when the default characters are asked for.
  for (int mask = 0; mask < 16; ++mask) {
    const bool flags[4] = {(mask & 8) != 0, (mask & 4) != 0, (mask & 2) != 0, (mask & 1) != 0};
    setFlags(flags[0], flags[1], flags[2], flags[3]);
    application().sauverpref();
    EXPECT_EQ(readPrefs(), prefsBytes(flags[0], flags[1], flags[2], flags[3])) << "flags " << mask;
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Calcimandarix prefs")}) << "flags " << mask;
  }
}

TEST_F(SavePrefsTest, ReplacesALongerFileWhole) {
  writePrefs(QByteArray("\0\1\1\1\1\1\1\1", 8));
  start();
  setFlags(true, false, false, true);
  application().sauverpref();
  EXPECT_EQ(readPrefs(), QByteArray("\1\0\0\1", 4));
}

TEST_F(SavePrefsTest, GivesTheFlagsBackAtTheNextStart) {
  struct Case {
    bool welcome, simplified, usual;
  };
  start();
  for (const Case& c : {Case{false, false, false}, Case{false, true, false}, Case{false, false, true},
                        Case{true, true, true}, Case{true, false, false}}) {
    setFlags(c.welcome, false, c.simplified, c.usual);
    application().sauverpref();
    if (c.welcome) onNextModal([](platform::Window& window) { window.close(); });
    restart();
    EXPECT_EQ(application().preflueafficherbienvenue, c.welcome);
    EXPECT_FALSE(application().prefluedefaut);
    EXPECT_EQ(application().prefluesimplifie, c.simplified);
    EXPECT_EQ(application().preflueusuelle, c.usual);
  }
}

TEST_F(SavePrefsTest, MakesAMissingPreferencesFolder) {
  start();
  QTemporaryDir root;
  const QString folder = root.filePath(QStringLiteral("config/deeper"));
  services().prefsFolder = folder;
  setFlags(false, true, false, false);
  application().sauverpref();
  QFile file(QDir(folder).filePath(QStringLiteral("Calcimandarix prefs")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\0\1\0\0", 4));
}

TEST_F(SavePrefsTest, LeavesAFolderInTheFilesPlaceAsItIs) {
  start();
  QFile::remove(prefsPath());
  ASSERT_TRUE(QDir().mkpath(prefsPath()));
  setFlags(false, false, true, true);
  application().sauverpref();
  EXPECT_TRUE(QFileInfo(prefsPath()).isDir());
  EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Calcimandarix prefs")});
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(SavePrefsTest, DoesNothingWhenThePreferencesFolderCannotBeMade) {
  start();
  // A file where the folder should be.
  QTemporaryDir root;
  const QString notAFolder = root.filePath(QStringLiteral("config"));
  {
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  services().prefsFolder = notAFolder;
  application().sauverpref();
  EXPECT_TRUE(QFileInfo(notAFolder).isFile());
  EXPECT_EQ(QFileInfo(notAFolder).size(), 0);
  EXPECT_TRUE(services().messages.isEmpty());
}

#ifdef __linux__

// Makes writing into a folder fail, also for root: read-only for an ordinary user, and the
// immutable attribute where the file system and the user allow it. Undone when it goes.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const QString& path) : path_(path) {
    ::chmod(path_.toLocal8Bit().constData(), 0555);
    if (!writable()) return;
    const int fd = ::open(path_.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
  }
  ~UnwritableFolder() {
    if (immutable_) {
      const int fd = ::open(path_.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY);
      int flags = 0;
      if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
      }
      if (fd >= 0) ::close(fd);
    }
    ::chmod(path_.toLocal8Bit().constData(), 0755);
  }
  bool writable() const {
    QFile probe(QDir(path_).filePath(QStringLiteral(".probe")));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok) probe.remove();
    return ok;
  }

 private:
  QString path_;
  bool immutable_ = false;
};

TEST_F(SavePrefsTest, AnUnwritableFolderKeepsTheOldFile) {
  writePrefs(QByteArray("\0\1\1\1", 4));
  start();
  setFlags(true, false, false, false);
  {
    UnwritableFolder locked(QFileInfo(prefsPath()).path());
    if (locked.writable()) GTEST_SKIP() << "cannot make a folder unwritable here";
    application().sauverpref();
  }
  EXPECT_EQ(readPrefs(), QByteArray("\0\1\1\1", 4));
  EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Calcimandarix prefs")});
  EXPECT_TRUE(services().messages.isEmpty());
}

// No byte can be written (as on a full disk): the old file stays as it was.
TEST_F(SavePrefsTest, AFailedWriteKeepsTheOldFile) {
  writePrefs(QByteArray("\0\0\1\0", 4));
  start();
  setFlags(true, true, false, true);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit none = saved;
  none.rlim_cur = 0;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
  application().sauverpref();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(readPrefs(), QByteArray("\0\0\1\0", 4));
  EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Calcimandarix prefs")});
  EXPECT_TRUE(services().messages.isEmpty());
}

// A file that cannot be read: the defaults (only an ordinary user can be kept from reading).
TEST_F(SavePrefsTest, AnUnreadableFileStartsWithTheDefaults) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  writePrefs(QByteArray("\0\0\0\0", 4));
  ::chmod(prefsPath().toLocal8Bit().constData(), 0);
  onNextModal([](platform::Window& window) { window.close(); });
  start();
  ::chmod(prefsPath().toLocal8Bit().constData(), 0644);
  EXPECT_TRUE(application().preflueafficherbienvenue);
  EXPECT_TRUE(application().prefluedefaut);
  EXPECT_TRUE(application().prefluesimplifie);
  EXPECT_TRUE(application().preflueusuelle);
}

#endif

}  // namespace
