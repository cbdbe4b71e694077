#include "benchmarks/startup_rows.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <cstdio>

namespace {

// One start of a program to its first idle moment.
struct Start {
  double milliseconds = 0;
  double rssMiB = 0;
  double pssMiB = 0;
};

class Starter {
 public:
  Starter() {
    // Preferences that ask for no welcome window, in a folder of our own.
    QFile prefs(config_.filePath(QStringLiteral("Calcimandarix prefs")));
    if (prefs.open(QIODevice::WriteOnly)) prefs.write(QByteArray("\0\1\1\1", 4));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), config_.path());
    environment.insert(QStringLiteral("CALCIMANDARIX_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    environment_ = environment;
  }

  // Starts the program and reads its idle report: "microseconds-since-epoch rss-KiB pss-KiB".
  Start run(const QString& program) {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.setProgram(program);
    const auto launched = std::chrono::system_clock::now().time_since_epoch();
    process.start();
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
      std::fprintf(stderr, "%s did not start and quit cleanly\n", qPrintable(program));
      return {};
    }
    const QList<QByteArray> report = process.readAllStandardOutput().trimmed().split(' ');
    if (report.size() != 3) {
      std::fprintf(stderr, "%s wrote no idle report\n", qPrintable(program));
      return {};
    }
    const double launchedUs = std::chrono::duration<double, std::micro>(launched).count();
    return {(report[0].toDouble() - launchedUs) / 1000, report[1].toDouble() / 1024, report[2].toDouble() / 1024};
  }

 private:
  QTemporaryDir config_;
  QProcessEnvironment environment_;
};

}  // namespace

std::vector<Row> startupRows(int runs) {
  const std::array<QString, 3> programs = {QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE),
                                           QStringLiteral(CALCIMANDARIX_BARE_WINDOW),
                                           QStringLiteral(CALCIMANDARIX_BARE_WIDGETS)};
  Starter starter;
  // A first run of each warms the caches; then the three take turns.
  for (const QString& program : programs) starter.run(program);
  std::array<std::vector<Start>, 3> starts;
  for (int i = 0; i < runs; ++i) {
    for (size_t p = 0; p < programs.size(); ++p) starts[p].push_back(starter.run(programs[p]));
  }
  const auto column = [&](size_t program, double Start::*field) {
    std::vector<double> values;
    for (const Start& s : starts[program]) values.push_back(s.*field);
    return values;
  };
  const QString emptyWindow = QStringLiteral("bare Qt program, one empty window");
  const QString sameWidgets = QStringLiteral("bare Qt program, the same widgets");
  std::vector<Row> rows;
  const struct {
    const char* what;
    const char* unit;
    double Start::*field;
  } measures[] = {{"start-up to idle (offscreen)", "ms", &Start::milliseconds},
                  {"idle memory, RSS", "MiB", &Start::rssMiB},
                  {"idle memory, PSS", "MiB", &Start::pssMiB}};
  for (const auto& m : measures) {
    for (const auto& [floor, program] : {std::pair{emptyWindow, 1}, std::pair{sameWidgets, 2}}) {
      rows.push_back({QString::fromLatin1(m.what), floor, QString::fromLatin1(m.unit), column(0, m.field),
                      column(static_cast<size_t>(program), m.field)});
    }
  }
  return rows;
}
