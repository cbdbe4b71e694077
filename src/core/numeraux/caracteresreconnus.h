#pragma once
// The numeral characters of all four character tables, for reading texts whatever table is
// in force.

#include <QString>

#include "numeraux/caracteres.h"
#include "numeraux/chartables.h"

namespace caracteresreconnus {

// What a character of some table stands for: the reader's code, the Caracteres member that holds
// the current table's character of the same meaning and the table column that has it.
struct Sens {
  int code;
  QString Caracteres::*courant;
  const char* chartables::Table::*colonne;
};
constexpr int kNombreDeSens = 16;
const Sens& sensDeRang(int rang);

// The rank (0 to kNombreDeSens - 1) of the meaning of a numeral character of any table, or -1.
// The zero is left out: it is the current table's zero, the same in all four.
int rangDe(char32_t c);
// The meaning of a numeral character of any table, or nullptr.
const Sens* sensDe(char32_t c);

// Whether the text is one minus character, of any table.
bool estMoins(const QString& text);
// Whether the text holds a 亿 of any table immediately followed by 零.
bool contientYiLing(const QString& text);

// The numbers of spaces and control characters (codes below 33) at the start and at the end of
// a converter field's text; inner ones stay. Both converter fields are trimmed by this rule.
struct BoutsBlancs {
  int debut = 0;
  int fin = 0;
};
BoutsBlancs boutsBlancs(const QString& text);

}  // namespace caracteresreconnus
