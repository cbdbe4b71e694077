#pragma once
// The numeral rules alone: the reader and the writer over a character table, with no
// calculator, no view and no control.

#include <QString>

#include "numeraux/caracteres.h"
#include "numeraux/ecrivain.h"
#include "numeraux/lecteur.h"

class NumeralRules {
 public:
  NumeralRules();
  ~NumeralRules();
  // The Chinese numeral of a value, as the calculator writes a result.
  QString write(double value);
  // The Arabic text of a Chinese numeral, as the converter reads its field.
  QString read(const QString& chinese);

 private:
  Caracteres table_;
  Lecteur reader_{table_};
  Ecrivain writer_{table_};
};
