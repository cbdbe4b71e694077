#include "benchmarks/measure.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

Row takeTurns(const QString& measure, const QString& floor, const QString& unit, int samples,
              const std::function<double()>& measureOnce, const std::function<double()>& floorOnce) {
  Row row{measure, floor, unit, {}, {}};
  measureOnce();
  floorOnce();
  for (int i = 0; i < samples; ++i) {
    row.measured.push_back(measureOnce());
    row.floored.push_back(floorOnce());
  }
  return row;
}

namespace {

struct Summary {
  double median = 0, min = 0, max = 0;
};

Summary summarize(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

// Three significant digits at most, so that the columns stay narrow.
QString number(double value) {
  if (value >= 100 || value == 0) return QString::number(value, 'f', 0);
  if (value >= 10) return QString::number(value, 'f', 1);
  if (value >= 1) return QString::number(value, 'f', 2);
  return QString::number(value, 'g', 3);
}

void printLine(const QString& line) { std::printf("%s\n", line.toUtf8().constData()); }

}  // namespace

void printTable(const std::vector<Row>& rows) {
  qsizetype width = 7;
  for (const Row& row : rows) width = std::max({width, row.measure.size(), row.floor.size() + 5});
  const auto columns = [&](const QString& name, const QString& unit, const QStringList& cells) {
    QString line = name.leftJustified(width) + QLatin1Char(' ') + unit.leftJustified(4);
    for (const QString& cell : cells) line += cell.rightJustified(9);
    return line;
  };
  printLine(columns(QString(), QString(), {QStringLiteral("program"), QString(), QString(), QStringLiteral("floor")}));
  printLine(columns(QStringLiteral("measure"), QStringLiteral("unit"),
                    {QStringLiteral("median"), QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("median"),
                     QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("ratio")}));
  printLine(QString(width + 5 + 7 * 9, QLatin1Char('-')));
  for (const Row& row : rows) {
    const Summary m = summarize(row.measured);
    const Summary f = summarize(row.floored);
    const QString ratio = f.median > 0 ? QString::number(m.median / f.median, 'f', 2) : QStringLiteral("-");
    printLine(columns(
        row.measure, row.unit,
        {number(m.median), number(m.min), number(m.max), number(f.median), number(f.min), number(f.max), ratio}));
    printLine(QStringLiteral("  vs ") + row.floor);
  }
}
