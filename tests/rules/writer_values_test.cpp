// Values written as Arabic and Chinese texts, as the calculator asks for them.

#include <cmath>
#include <limits>
#include <vector>

#include "rules/rules_fixture.h"

namespace {

struct ValueCase {
  const char* what;
  double value;
  const char* arabic;
};

using WriterValuesRulesTest = RulesFixture;

TEST_F(WriterValuesRulesTest, ArabicTextHasAtMostFourteenDigitsCorrectlyRounded) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  const std::vector<ValueCase> cases = {
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"a half", 0.5, "0.5"},
      {"minus a half", -0.5, "-0.5"},
      {"twelve and a half", 12.5, "12.5"},
      {"a hundred", 100.0, "100"},
      {"minus seven", -7.0, "-7"},
      {"minus two and a half", -2.5, "-2.5"},
      {"2.05, below its decimal text", 2.05, "2.05"},
      {"a decimal text", 123.456, "123.456"},
      {"ten thirds: 13 decimals", 10.0 / 3.0, "3.3333333333333"},
      {"one third: 14 decimals", 1.0 / 3.0, "0.33333333333333"},
      {"minus two thirds", -2.0 / 3.0, "-0.66666666666667"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
      {"the largest value in range", 999999999999.99, "999999999999.99"},
      {"the largest integer in range", 999999999999.0, "999999999999"},
      // Decimals that round up to a whole unit carry into the integer part.
      {"4.35 times 100", 4.35 * 100.0, "435"},
      {"0.9 divided by 0.3", 0.9 / 0.3, "3"},
      {"just below 100", 99.99999999999999, "100"},
      {"just below 1", 0.999999999999996, "1"},
      {"just above -10", -9.99999999999999, "-10"},
      {"the range's end rounds to 10^12", 999999999999.999, "1000000000000"},
      // Values too small for the 14th decimal.
      {"the 14th decimal", 1e-14, "0.00000000000001"},
      {"rounding up to the 14th decimal", 6e-15, "0.00000000000001"},
      {"minus the 14th decimal", -6e-15, "-0.00000000000001"},
      {"1e-15", 1e-15, "0"},
      {"minus 1e-15", -1e-15, "0"},
      {"the smallest double", tiny, "0"},
      // Large values keep their integer digits and have no decimals.
      {"10^12", 1e12, "1000000000000"},
      {"10^14", 1e14, "100000000000000"},
      {"above 10^14 with a half", 1e14 + 0.5, "100000000000001"},
      {"999999999999 squared", 999999999999.0 * 999999999999.0, "999999999998000004857856"},
      {"minus 10^20", -1e20, "-100000000000000000000"},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(calc.arabechinois.tradenarabedevaleur(c.value), QString::fromLatin1(c.arabic));
  }
}

TEST_F(WriterValuesRulesTest, HugeAndNonFiniteValuesNeverBreakTheArabicText) {
  const QString largest = calc.arabechinois.tradenarabedevaleur(std::numeric_limits<double>::max());
  EXPECT_EQ(largest.size(), 309);
  EXPECT_TRUE(largest.startsWith(QStringLiteral("17976931348623157")));
  EXPECT_EQ(calc.arabechinois.tradenarabedevaleur(-std::numeric_limits<double>::max()).size(), 310);
  EXPECT_EQ(calc.arabechinois.tradenarabedevaleur(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
  EXPECT_EQ(calc.arabechinois.tradenarabedevaleur(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
  EXPECT_EQ(calc.arabechinois.tradenarabedevaleur(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
}

struct ChineseCase {
  const char* what;
  double value;
  const char16_t* chinese;
};

TEST_F(WriterValuesRulesTest, ChineseTextOfAValue) {
  const std::vector<ChineseCase> cases = {
      {"zero", 0.0, u"零"},
      {"a half", 0.5, u"零点五"},
      {"minus two and a half", -2.5, u"负二点五"},
      {"minus seven", -7.0, u"负七"},
      {"ten", 10.0, u"十"},
      {"4.35 times 100", 4.35 * 100.0, u"四百三十五"},
      {"0.9 divided by 0.3", 0.9 / 0.3, u"三"},
      {"2.05", 2.05, u"二点零五"},
      {"one third", 1.0 / 3.0, u"零点三三三三三三三三三三三三三三"},
      {"ten thirds", 10.0 / 3.0, u"三点三三三三三三三三三三三三三"},
      {"1e-15", 1e-15, u"零"},
      {"the largest value in range", 999999999999.99, u"九千九百九十九亿九千九百九十九万九千九百九十九点九九"},
      {"minus the largest value in range", -999999999999.99, u"负九千九百九十九亿九千九百九十九万九千九百九十九点九九"},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), u"???????"},
  };
  for (const ChineseCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(calc.arabechinois.tradenchinoisdevaleur(c.value), QString::fromUtf16(c.chinese));
    EXPECT_FALSE(calc.arabechinois.tropbig);
  }
  EXPECT_TRUE(vue.messages.empty());
  // The calculator's writing shows nothing in the converter.
  EXPECT_EQ(vue.chinois(), QString());
}

TEST_F(WriterValuesRulesTest, ValuesInEveryTable) {
  const std::vector<ChineseCase> cases = {
      {"a sum", 100010000.5, u"一亿零一万点五"},
      {"a negative", -20.05, u"负二十点零五"},
      {"the carry", 4.35 * 100.0, u"四百三十五"},
  };
  for (CharacterTable table : kAllTables) {
    utiliserTable(table);
    for (const ChineseCase& c : cases) {
      SCOPED_TRACE(std::string(tableName(table)) + ": " + c.what);
      EXPECT_EQ(calc.arabechinois.tradenchinoisdevaleur(c.value), inTable(table, QString::fromUtf16(c.chinese)));
    }
  }
}

}  // namespace
