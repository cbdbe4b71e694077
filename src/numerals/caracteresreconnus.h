#pragma once
// The numeral characters of all four character tables, for reading texts whatever table is
// in force.

#include <QString>

class App;

namespace caracteresreconnus {

// What a character of some table stands for: the reader's code and the App member that holds
// the current table's character of the same meaning.
struct Sens {
  int code;
  QString App::*courant;
  int rang;  // 0 to kNombreDeSens - 1
};
constexpr int kNombreDeSens = 16;
const Sens& sensDeRang(int rang);

// The meaning of a numeral character of any table, or nullptr. The zero is left out: it is
// the current table's zero, the same in all four.
const Sens* sensDe(char32_t c);

// Whether the text is one minus character, of any table.
bool estMoins(const QString& text);
// Whether the text holds a 亿 of any table immediately followed by 零.
bool contientYiLing(const QString& text);

}  // namespace caracteresreconnus
