#include "support/character_tables.h"

#include "app/App.h"

const char* tableName(CharacterTable table) {
  switch (table) {
    case CharacterTable::SimplifiedUsual:
      return "SimplifiedUsual";
    case CharacterTable::TraditionalUsual:
      return "TraditionalUsual";
    case CharacterTable::SimplifiedFinancial:
      return "SimplifiedFinancial";
    case CharacterTable::TraditionalFinancial:
      return "TraditionalFinancial";
  }
  return "";
}

bool isSimplified(CharacterTable table) {
  return table == CharacterTable::SimplifiedUsual || table == CharacterTable::SimplifiedFinancial;
}

bool isUsual(CharacterTable table) {
  return table == CharacterTable::SimplifiedUsual || table == CharacterTable::TraditionalUsual;
}

void applyTable(App& app, CharacterTable table) {
  switch (table) {
    case CharacterTable::SimplifiedUsual:
      return app.simpusuel();
    case CharacterTable::TraditionalUsual:
      return app.tradusuel();
    case CharacterTable::SimplifiedFinancial:
      return app.simpfinancier();
    case CharacterTable::TraditionalFinancial:
      return app.tradfinancier();
  }
}
