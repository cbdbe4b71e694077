// The Chinese field of the converter read into the Arabic field, in every character table.

#include <vector>

#include "rules/rules_fixture.h"

namespace {

struct Case {
  const char* text;  // in simplified usual characters; each table reads its own version
  const char* arabic;
  bool italic;
};

// The rules of writing, from the simplest forms to the edges of the range.
const std::vector<Case> kCases = {
    // Tens: 一十 is written 十, except inside a number.
    {"十五", "15", false},
    {"二十", "20", false},
    {"一十", "????????", false},
    {"负一十", "????????", false},
    {"一百一十", "110", false},
    {"十", "10", false},
    {"十万", "100000", false},
    {"负十", "-10", false},
    // 百 and 千 need a digit before them.
    {"百", "????????", false},
    {"千", "????????", false},
    {"负百", "????????", false},
    // Zeros.
    {"二十零", "????????", false},
    {"一百零五", "105", false},
    {"一百零五十", "????????", false},
    {"一千零五十", "1050", false},
    {"一千二十", "????????", false},
    {"一千零零五", "????????", false},
    {"一百零", "100", true},
    {"五零", "????????", false},
    {"零", "0", false},
    {"零五", "????????", false},
    {"零零", "????????", false},
    {"零十", "????????", false},
    {"零点五", "0.5", false},
    {"负零", "-0", false},
    {"负零五", "????????", false},
    {"负零点五", "-0.5", false},
    {"点五", "0.5", false},
    {"点", "0.", false},
    // The minus comes first or not at all.
    {"负", "-", false},
    {"负五", "-5", false},
    {"五负", "????????", false},
    {"负负", "????????", false},
    // Digits after digits, powers that do not step down.
    {"五五", "????????", false},
    {"五百五百", "????????", false},
    {"五十百", "????????", false},
    {"三千百", "????????", false},
    // Abbreviated forms read in italics; no point or separator follows them.
    {"三百五", "350", true},
    {"三百五十", "350", false},
    {"三千五", "3500", true},
    {"三万五", "35000", true},
    {"三亿五", "350000000", true},
    {"三百五万", "????????", false},
    {"三百九万", "????????", false},
    {"三百五点", "????????", false},
    {"一百零点五", "????????", false},
    // 十 lets a separator follow its digit; after a separator only 千 comes.
    {"二十五万", "250000", false},
    {"三亿零二十五万", "300250000", false},
    {"三亿二千零二十五万", "320250000", false},
    {"三亿二十五万", "????????", false},
    // Digits after 亿 count in units of 万 until 万 closes them.
    {"三亿五千", "350000000", true},
    {"三亿五千万", "350000000", false},
    {"三亿", "300000000", false},
    {"三亿零五千", "300005000", false},
    {"三亿零五百万", "305000000", false},
    {"三亿零五千万", "????????", false},
    {"一亿零五万", "100050000", false},
    {"一亿零五", "100000005", false},
    {"一亿零", "100000000", true},
    {"三万零五", "30005", false},
    {"三万零", "30000", true},
    {"三万零万", "????????", false},
    {"三亿零亿", "????????", false},
    // Separators come once, 亿 before 万, never twice in a row; none at the start.
    {"一万二万", "????????", false},
    {"一万一亿", "????????", false},
    {"一亿二亿", "????????", false},
    {"一万亿", "????????", false},
    {"万", "????????", false},
    {"负亿", "????????", false},
    {"零万", "????????", false},
    // Points.
    {"三点", "3.", false},
    {"三点零五", "3.05", false},
    {"三点五点", "????????", false},
    {"三点五万", "????????", false},
    {"三点五十", "????????", false},
    {"负三点一四", "-3.14", false},
    // The largest number and its two decimals.
    {"九千九百九十九亿九千九百九十九万九千九百九十九", "999999999999", false},
    {"九千九百九十九亿九千九百九十九万九千九百九十九点九九", "999999999999.99", false},
    {"负九千九百九十九亿九千九百九十九万九千九百九十九点九九", "-999999999999.99", false},
};

class ConverterReading : public RulesFixture, public ::testing::WithParamInterface<CharacterTable> {};

TEST_P(ConverterReading, ReadsEveryRuleOfWritingInItsOwnTable) {
  utiliserTable(GetParam());
  for (const Case& c : kCases) {
    const QString text = inTable(GetParam(), QString::fromUtf8(c.text));
    SCOPED_TRACE(text.toStdString());
    convertirChinois(text);
    EXPECT_EQ(vue.chinois(), text);
    EXPECT_EQ(vue.arabe(), QString::fromUtf8(c.arabic));
    if (vue.arabe() != ChinoisArabe::kTexteRefuse) {
      EXPECT_EQ(vue.arabeItalique(), c.italic);
    }
    EXPECT_EQ(vue.notes, 0);
  }
  EXPECT_TRUE(vue.messages.empty());
}

// After the point the reader keeps 14 digits: the one that makes them 14 is the last one
// read, and every numeral character after it is ignored without a mark.
TEST_P(ConverterReading, StopsReadingAtFourteenDigits) {
  utiliserTable(GetParam());
  const struct {
    const char* text;
    const char* arabic;
  } cases[] = {
      {"三点一二三四五六七八九一二三四五六七", "3.1234567891234"},
      {"三点一二三四五六七八九一二三四", "3.1234567891234"},
      {"零点一二三四五六七八九一二三四五六七", "0.12345678912345"},
      {"负零点零零零零零零零零零零零零零一二", "-0.00000000000001"},
      {"九千九百九十九亿九千九百九十九万九千九百九十九点一二三", "999999999999.12"},
      {"一千亿点一二三", "100000000000.12"},
      {"十点一二三四五六七八九一二三四", "10.123456789123"},
      // Saturated: a second point, a separator or a minus is ignored too.
      {"三点一二三四五六七八九一二三四点万负", "3.1234567891234"},
  };
  for (const auto& c : cases) {
    const QString text = inTable(GetParam(), QString::fromUtf8(c.text));
    SCOPED_TRACE(text.toStdString());
    convertirChinois(text);
    EXPECT_EQ(vue.arabe(), QString::fromUtf8(c.arabic));
    EXPECT_EQ(calc.chinoisarabe.sature, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTables, ConverterReading, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

}  // namespace
