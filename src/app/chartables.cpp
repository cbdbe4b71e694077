#include <array>

#include "app/App.h"
#include "mainwindow/Fpr.h"

namespace {

// clang-format off
// The 26 strings of one character table, in the order of the fields below.
struct Table {
  const char* c1; const char* c2; const char* c3; const char* c4; const char* c5;
  const char* c6; const char* c7; const char* c8; const char* c9; const char* c10;
  const char* c100; const char* c1000; const char* c104; const char* c108; const char* cz;
  const char* cn; const char* cp; const char* cmu; const char* cad; const char* cdiv;
  const char* csous; const char* ce; const char* cplus; const char* cmoins; const char* cfois;
  const char* cpar;
};

// "等于" keeps 于 in all four tables.
constexpr Table simplifiedUsual{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千", "万",
                                "亿", "零", "负", "点", "乘", "加", "除", "减", "等于", "加", "减", "乘以", "除以"};
constexpr Table traditionalUsual{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千", "萬",
                                 "億", "零", "負", "點", "乘", "加", "除", "減", "等于", "加", "減", "乘以", "除以"};
constexpr Table simplifiedFinancial{"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾", "佰", "仟", "万",
                                    "亿", "零", "负", "点", "乘", "加", "除", "减", "等于", "加", "减", "乘以", "除以"};
constexpr Table traditionalFinancial{"壹", "貳", "參", "肆", "伍", "陸", "柒", "捌", "玖", "拾", "佰", "仟", "萬",
                                     "億", "零", "負", "點", "乘", "加", "除", "減", "等于", "加", "減", "乘以", "除以"};

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

void App::simpusuel() { apply(*this, simplifiedUsual); }
void App::tradusuel() { apply(*this, traditionalUsual); }
void App::simpfinancier() { apply(*this, simplifiedFinancial); }
void App::tradfinancier() { apply(*this, traditionalFinancial); }

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
