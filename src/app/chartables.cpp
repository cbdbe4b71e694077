#include "app/chartables.h"

#include <array>

#include "app/App.h"
#include "mainwindow/Fpr.h"

namespace {

using chartables::Table;

// clang-format off
void apply(App& a, const Table& t) {
  auto s = [](const char* text) { return QString::fromUtf8(text); };
  a.c1 = s(t.c1); a.c2 = s(t.c2); a.c3 = s(t.c3); a.c4 = s(t.c4); a.c5 = s(t.c5);
  a.c6 = s(t.c6); a.c7 = s(t.c7); a.c8 = s(t.c8); a.c9 = s(t.c9); a.c10 = s(t.c10);
  a.c100 = s(t.c100); a.c1000 = s(t.c1000); a.c104 = s(t.c104); a.c108 = s(t.c108); a.cz = s(t.cz);
  a.cn = s(t.cn); a.cp = s(t.cp); a.cmu = s(t.cmu); a.cad = s(t.cad); a.cdiv = s(t.cdiv);
  a.csous = s(t.csous); a.ce = s(t.ce); a.cplus = s(t.cplus); a.cmoins = s(t.cmoins); a.cfois = s(t.cfois);
  a.cpar = s(t.cpar);
  a.touches();
}
// clang-format on

}  // namespace

void App::simpusuel() { apply(*this, chartables::simplifiedUsual); }
void App::tradusuel() { apply(*this, chartables::traditionalUsual); }
void App::simpfinancier() { apply(*this, chartables::simplifiedFinancial); }
void App::tradfinancier() { apply(*this, chartables::traditionalFinancial); }

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
