#include "numeraux/chartables.h"

#include <array>

#include "app/App.h"
#include "mainwindow/Fpr.h"

void App::simpusuel() {
  chartables::appliquer(*this, chartables::simplifiedUsual);
  touches();
}
void App::tradusuel() {
  chartables::appliquer(*this, chartables::traditionalUsual);
  touches();
}
void App::simpfinancier() {
  chartables::appliquer(*this, chartables::simplifiedFinancial);
  touches();
}
void App::tradfinancier() {
  chartables::appliquer(*this, chartables::traditionalFinancial);
  touches();
}

void App::touches() {
  const std::array<std::pair<const char*, QString App::*>, 22> captions = {{
      {"BBz", &App::cz},       {"BB1", &App::c1},     {"BB2", &App::c2},     {"BB3", &App::c3},
      {"BB4", &App::c4},       {"BB5", &App::c5},     {"BB6", &App::c6},     {"BB7", &App::c7},
      {"BB8", &App::c8},       {"BB9", &App::c9},     {"BB10", &App::c10},   {"BB100", &App::c100},
      {"BB1000", &App::c1000}, {"BB104", &App::c104}, {"BB108", &App::c108}, {"BBn", &App::cn},
      {"BBp", &App::cp},       {"BBmu", &App::cmu},   {"BBad", &App::cad},   {"BBdiv", &App::cdiv},
      {"BBsous", &App::csous}, {"BBe", &App::ce},
  }};
  Fpr& fpr = Fpr::get();
  for (const auto& [name, field] : captions) {
    platform::BevelButton* key = fpr.key(QString::fromLatin1(name));
    key->setCaption(this->*field);
    // Screen readers say the key's meaning (its name) and then its character.
    key->setAccessibleDescription(this->*field);
  }
}
