#pragma once
// The four character tables, for tests that run a case in each of them.

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
