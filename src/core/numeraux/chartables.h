#pragma once
// The four character tables: what the Characters menu puts into App's fields, and what the
// reader recognizes whatever table is in force.

#include <array>

struct Caracteres;

namespace chartables {

// clang-format off
// The 26 strings of one character table, named as App's fields.
struct Table {
  const char* c1; const char* c2; const char* c3; const char* c4; const char* c5;
  const char* c6; const char* c7; const char* c8; const char* c9; const char* c10;
  const char* c100; const char* c1000; const char* c104; const char* c108; const char* cz;
  const char* cn; const char* cp; const char* cmu; const char* cad; const char* cdiv;
  const char* csous; const char* ce; const char* cplus; const char* cmoins; const char* cfois;
  const char* cpar;
};

// "等于" keeps 于 in all four tables.
inline constexpr Table simplifiedUsual{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千", "万",
                                       "亿", "零", "负", "点", "乘", "加", "除", "减", "等于", "加", "减", "乘以", "除以"};
inline constexpr Table traditionalUsual{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千", "萬",
                                        "億", "零", "負", "點", "乘", "加", "除", "減", "等于", "加", "減", "乘以", "除以"};
inline constexpr Table simplifiedFinancial{"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾", "佰", "仟", "万",
                                           "亿", "零", "负", "点", "乘", "加", "除", "减", "等于", "加", "减", "乘以", "除以"};
inline constexpr Table traditionalFinancial{"壹", "貳", "參", "肆", "伍", "陸", "柒", "捌", "玖", "拾", "佰", "仟", "萬",
                                            "億", "零", "負", "點", "乘", "加", "除", "減", "等于", "加", "減", "乘以", "除以"};
// clang-format on

inline constexpr std::array<const Table*, 4> kTables = {&simplifiedUsual, &traditionalUsual, &simplifiedFinancial,
                                                        &traditionalFinancial};

// Puts the 26 strings of a table in force.
void appliquer(Caracteres& caracteres, const Table& table);

}  // namespace chartables
