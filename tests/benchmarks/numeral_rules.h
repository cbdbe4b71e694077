#pragma once
// The numeral rules alone: the rules library over a view held in memory, with no application
// and no control.

#include <QString>
#include <memory>

class Calculette;
class VueMemoire;

class NumeralRules {
 public:
  NumeralRules();
  ~NumeralRules();
  // The Chinese numeral of a value, as the calculator writes a result.
  QString write(double value);
  // The Arabic text of a Chinese numeral, as the converter reads its field.
  QString read(const QString& chinese);

 private:
  std::unique_ptr<VueMemoire> vue_;
  std::unique_ptr<Calculette> calc_;
};
