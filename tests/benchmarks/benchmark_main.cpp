// The benchmark: every measure of the program beside its floor, in one table. It reports and
// never fails; scripts/benchmark.sh builds and runs it.
// Usage: calcimandarix_benchmarks [start-up runs] [samples of each in-process measure]

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "benchmarks/interaction_rows.h"
#include "benchmarks/paste_rows.h"
#include "benchmarks/rules_rows.h"
#include "benchmarks/startup_rows.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const int samples = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  // The megabyte pastes take most of a second each.
  const int pasteSamples = std::max(1, samples / 10);

  std::vector<Row> rows = startupRows(runs);
  const auto append = [&rows](std::vector<Row> more) { rows.insert(rows.end(), more.begin(), more.end()); };
  append(interactionRows(samples));
  append(pasteRows(pasteSamples));
  append(rulesRows(samples));
  std::printf("%d start-up runs, %d samples of each step, %d of each paste; ratio = program median / floor median\n\n",
              runs, samples, pasteSamples);
  printTable(rows);
  return 0;
}
