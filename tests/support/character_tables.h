#pragma once
// The four character tables, for tests that run a case in each of them, with their numeral
// characters written out independently of the application's own tables.

#include <QString>
#include <ostream>

class App;

enum class CharacterTable { SimplifiedUsual, TraditionalUsual, SimplifiedFinancial, TraditionalFinancial };

constexpr CharacterTable kAllTables[] = {CharacterTable::SimplifiedUsual, CharacterTable::TraditionalUsual,
                                         CharacterTable::SimplifiedFinancial, CharacterTable::TraditionalFinancial};

const char* tableName(CharacterTable table);
inline void PrintTo(CharacterTable table, std::ostream* os) { *os << tableName(table); }

bool isSimplified(CharacterTable table);
bool isUsual(CharacterTable table);
// Applies the table as the Characters menu does.
void applyTable(App& app, CharacterTable table);

// The numeral characters of one table.
struct TableCharacters {
  QString digit[10];  // 零 to 九
  QString ten, hundred, thousand, wan, yi, minus, point;
};
const TableCharacters& charactersOf(CharacterTable table);
// A text written with the simplified usual characters, in the characters of another table;
// markers and other characters unchanged.
QString inTable(CharacterTable table, const QString& simplifiedUsual);
