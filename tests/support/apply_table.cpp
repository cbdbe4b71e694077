#include "app/App.h"
#include "support/character_tables.h"

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
