// The desktop's tools, run for real: fake xdg-open and settings tools on PATH say with what they
// were started and end when told. What the application opened runs on after the application
// ends; a tool that is missing, cannot start or says it failed is reported while it runs.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/application.h"
#include "platform/services.h"
#include "support/printers.h"

namespace {

enum class Request { Document, Link, LanguageSettings };

class DesktopToolsTest : public ::testing::Test {
 protected:
  DesktopToolsTest() : oldPath_(qgetenv("PATH")) {
    EXPECT_TRUE(dir_.isValid());
    EXPECT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("bin")));
    // Only the fake tools are found: the machine's own must not open anything.
    qputenv("PATH", path(QStringLiteral("bin")).toLocal8Bit());
    app_ = std::make_unique<platform::Application>(std::make_unique<platform::QtServices>());
  }
  ~DesktopToolsTest() override {
    app_.reset();
    QFile::remove(path(QStringLiteral("running")));  // a tool left waiting ends
    qputenv("PATH", oldPath_);
  }

  QString folder() const { return dir_.path(); }
  QString path(const QString& name) const { return dir_.filePath(name); }
  bool exists(const char* name) const { return QFile::exists(path(QString::fromLatin1(name))); }
  QByteArray read(const char* name) const {
    QFile file(path(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
  }

  // A tool that writes its process id and arguments, runs as long as the file "running" is
  // there when `waits`, then ends with the exit code.
  void installTool(const QString& name, int exitCode, bool waits) {
    const QString dir = dir_.path();
    writeTool(name, QStringLiteral("#!/bin/sh\n"
                                   "PATH=/usr/bin:/bin\n"
                                   "echo \"$$ $*\" > '%1/started.new' && mv '%1/started.new' '%1/started'\n"
                                   "while [ -e '%1/running' ]; do sleep 0.05; done\n"
                                   "touch '%1/ended'\n"
                                   "exit %2\n")
                        .arg(dir)
                        .arg(exitCode));
    QFile flag(path(QStringLiteral("running")));
    if (waits) {
      ASSERT_TRUE(flag.open(QIODevice::WriteOnly));
    }
  }
  // A tool on PATH whose interpreter is missing: it cannot start.
  void installBrokenTool(const QString& name) { writeTool(name, QStringLiteral("#!/nonexistent/sh\n")); }

  void open(Request request, std::function<void()> failed) {
    platform::Services& services = app_->services();
    switch (request) {
      case Request::Document:
        services.openDocument(path(QStringLiteral("Calcimandarix help.html")), std::move(failed));
        break;
      case Request::Link:
        services.openUrl(QStringLiteral("mailto:calcimandarix@example.org"), std::move(failed));
        break;
      case Request::LanguageSettings:
        services.openLanguageSettings(std::move(failed));
        break;
    }
  }
  // What the tool was started with, once it has started.
  QString startedWith() {
    if (!QTest::qWaitFor([this] { return exists("started"); }, 20000)) return QStringLiteral("(not started)");
    return QString::fromLocal8Bit(read("started").split(' ').mid(1).join(' '));
  }
  // Waits until the tool has ended and the application has heard of its end (the process is
  // reaped), so that what it would report has been reported.
  bool waitForEndHeard() {
    const pid_t pid = read("started").split(' ').value(0).toInt();
    return pid > 0 && QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 20000);
  }
  void endApplication() {
    app_.reset();
    QCoreApplication::processEvents();
  }
  void releaseTool() { QFile::remove(path(QStringLiteral("running"))); }

 private:
  void writeTool(const QString& name, const QString& script) {
    QFile file(path(QStringLiteral("bin/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script.toLocal8Bit());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  QByteArray oldPath_;
  QTemporaryDir dir_;
  std::unique_ptr<platform::Application> app_;
};

struct StillRunningCase {
  const char* what;
  Request request;
  const char* tool;
  const char* arguments;  // "{dir}" stands for the test's folder
};

void PrintTo(const StillRunningCase& c, std::ostream* os) { *os << c.what; }

class ToolStillRunningTest : public DesktopToolsTest, public ::testing::WithParamInterface<StillRunningCase> {};

// The user opened the help, a link or the language settings and then quits: the viewer or
// the settings window stays. An opener that says it failed after the end reports to no one.
TEST_P(ToolStillRunningTest, RunsOnAfterTheApplicationEndsAndReportsNothing) {
  const StillRunningCase& c = GetParam();
  installTool(QString::fromLatin1(c.tool), 4, true);
  int reports = 0;
  open(c.request, [&reports] { ++reports; });
  ASSERT_EQ(startedWith(), QString::fromUtf8(c.arguments).replace(QStringLiteral("{dir}"), folder()));
  endApplication();
  releaseTool();
  EXPECT_TRUE(QTest::qWaitFor([this] { return exists("ended"); }, 20000)) << "the tool was ended with the application";
  if (c.request != Request::LanguageSettings) {
    EXPECT_TRUE(waitForEndHeard());
  }
  EXPECT_EQ(reports, 0);
}

const StillRunningCase stillRunningCases[] = {
    {"HelpDocument", Request::Document, "xdg-open", "{dir}/Calcimandarix help.html"},
    {"Link", Request::Link, "xdg-open", "mailto:calcimandarix@example.org"},
    {"GnomeLanguageSettings", Request::LanguageSettings, "gnome-control-center", "region"},
    {"LxqtLanguageSettings", Request::LanguageSettings, "lxqt-config-locale", ""},
};

INSTANTIATE_TEST_SUITE_P(Tools, ToolStillRunningTest, ::testing::ValuesIn(stillRunningCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct ReportCase {
  const char* what;
  Request request;
  const char* tool;  // "" for none on PATH
  enum { Runs, Broken } kind;
  int exitCode;
  int reports;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.what; }

class ToolReportTest : public DesktopToolsTest, public ::testing::WithParamInterface<ReportCase> {};

// While the application runs, what cannot be opened is reported once, and only that.
TEST_P(ToolReportTest, WhatCannotBeOpenedIsReportedOnce) {
  const ReportCase& c = GetParam();
  const QString tool = QString::fromLatin1(c.tool);
  if (!tool.isEmpty() && c.kind == ReportCase::Runs) installTool(tool, c.exitCode, false);
  if (!tool.isEmpty() && c.kind == ReportCase::Broken) installBrokenTool(tool);
  int reports = 0;
  open(c.request, [&reports] { ++reports; });
  if (!tool.isEmpty() && c.kind == ReportCase::Runs) {
    EXPECT_NE(startedWith(), QStringLiteral("(not started)"));
    if (c.request != Request::LanguageSettings) {
      EXPECT_TRUE(waitForEndHeard());
    }
  }
  if (c.reports > 0) {
    EXPECT_TRUE(QTest::qWaitFor([&reports, &c] { return reports >= c.reports; }, 20000));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(reports, c.reports);
}

const ReportCase reportCases[] = {
    {"XdgOpenOpensIt", Request::Document, "xdg-open", ReportCase::Runs, 0, 0},
    {"XdgOpenFindsNoHandler", Request::Document, "xdg-open", ReportCase::Runs, 3, 1},
    {"XdgOpensActionFails", Request::Link, "xdg-open", ReportCase::Runs, 4, 1},
    {"NoXdgOpen", Request::Document, "", ReportCase::Runs, 0, 1},
    {"XdgOpenCannotStart", Request::Link, "xdg-open", ReportCase::Broken, 0, 1},
    {"SettingsToolStarts", Request::LanguageSettings, "gnome-control-center", ReportCase::Runs, 0, 0},
    {"NoSettingsTool", Request::LanguageSettings, "", ReportCase::Runs, 0, 1},
    {"SettingsToolCannotStart", Request::LanguageSettings, "systemsettings", ReportCase::Broken, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Tools, ToolReportTest, ::testing::ValuesIn(reportCases),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
