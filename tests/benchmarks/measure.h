#pragma once
// Rows of the benchmark's table: a measure of the program beside its floor, sampled in turns
// so that whatever else the machine does slows both alike.

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

struct Row {
  QString measure;
  QString floor;
  QString unit;
  std::vector<double> measured;
  std::vector<double> floored;
};

// Microseconds that the call takes.
template <class F>
double microseconds(F&& call) {
  const auto start = std::chrono::steady_clock::now();
  call();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// One sample of each side is a warm-up; then `samples` of the measure and of the floor, in turns.
// Each function does its own untimed preparation and returns its sample.
Row takeTurns(const QString& measure, const QString& floor, const QString& unit, int samples,
              const std::function<double()>& measureOnce, const std::function<double()>& floorOnce);

void printTable(const std::vector<Row>& rows);
