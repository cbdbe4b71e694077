#pragma once
// The numeral rules alone, without a control in the way: the one file to change when the
// rules move to where they need no application.

#include <QString>
#include <memory>

class BenchmarkApp;

class NumeralRules {
 public:
  NumeralRules();
  ~NumeralRules();
  // The Chinese numeral of a value, as the calculator writes a result.
  QString write(double value);
  // The Arabic text of a Chinese numeral, as the converter reads its field.
  QString read(const QString& chinese);

 private:
  std::unique_ptr<BenchmarkApp> app_;
};
