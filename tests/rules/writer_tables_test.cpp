// The converter's Arabic field written out as Chinese numerals, in all four character tables.

#include <vector>

#include "rules/rules_fixture.h"

namespace {

struct Case {
  const char16_t* arabic;
  const char16_t* chinese;  // in the simplified usual table, or a marker
};

// Texts that are written as numerals (or refused) without a message box.
const std::vector<Case> kWritten = {
    // Whole numbers and their zeros.
    {u"0", u"零"},
    {u"10", u"十"},
    {u"15", u"十五"},
    {u"20", u"二十"},
    {u"101", u"一百零一"},
    {u"110", u"一百一十"},
    {u"1000", u"一千"},
    {u"1001", u"一千零一"},
    {u"1010", u"一千零一十"},
    {u"10000", u"一万"},
    {u"10010", u"一万零一十"},
    {u"100000", u"十万"},
    {u"100001", u"十万零一"},
    {u"110000", u"十一万"},
    {u"203000", u"二十万三千"},
    {u"1000010", u"一百万零一十"},
    {u"1020304", u"一百零二万零三百零四"},
    {u"10000000", u"一千万"},
    {u"10203040", u"一千零二十万三千零四十"},
    {u"100000000", u"一亿"},
    {u"100000001", u"一亿零一"},
    {u"100010000", u"一亿零一万"},
    {u"100100000", u"一亿零一十万"},
    {u"101010101", u"一亿零一百零一万零一百零一"},
    {u"500000000", u"五亿"},
    {u"1000000000", u"十亿"},
    {u"1000000001", u"十亿零一"},
    {u"1000100000", u"十亿零一十万"},
    {u"2000000030", u"二十亿零三十"},
    {u"10000000000", u"一百亿"},
    {u"100000000000", u"一千亿"},
    {u"100000000010", u"一千亿零一十"},
    {u"100000010000", u"一千亿零一万"},
    {u"100010000000", u"一千亿一千万"},
    {u"100100100100", u"一千零一亿零一十万零一百"},
    {u"110000000000", u"一千一百亿"},
    {u"123456789012", u"一千二百三十四亿五千六百七十八万九千零一十二"},
    {u"999999999999", u"九千九百九十九亿九千九百九十九万九千九百九十九"},
    // Signs.
    {u"-10", u"负十"},
    {u"-15", u"负十五"},
    {u"-0", u"负零"},
    {u"-", u"负"},
    {u"-110", u"负一百一十"},
    // Points and decimals.
    {u"0.5", u"零点五"},
    {u".5", u"点五"},
    {u"-.5", u"负点五"},
    {u"-0.5", u"负零点五"},
    {u"5.", u"五点"},
    {u"12.", u"十二点"},
    {u"0.", u"零点"},
    {u".", u"点"},
    {u"0.0", u"零点零"},
    {u"10.5", u"十点五"},
    {u"100.5", u"一百点五"},
    {u"100000.5", u"十万点五"},
    {u"100000000.05", u"一亿点零五"},
    {u"-20.05", u"负二十点零五"},
    {u"3.1400", u"三点一四零零"},
    {u"123456789012.999", u"一千二百三十四亿五千六百七十八万九千零一十二点九九"},
    {u"999999999999.999", u"九千九百九十九亿九千九百九十九万九千九百九十九点九九"},
    // The 14-digit cut (15 characters after "0."), without rounding.
    {u"1.23456789012345678", u"一点二三四五六七八九零一二三四"},
    {u"0.123456789012345678", u"零点一二三四五六七八九零一二三四"},
    {u"99.9999999999999999", u"九十九点九九九九九九九九九九九九"},
    // Leading zeros.
    {u"00012", u"十二"},
    {u"000", u"零"},
    {u"00.5", u"零点五"},
    {u"-00.5", u"负零点五"},
    {u"-007", u"负七"},
    // Bad characters, wherever they are before the cut.
    {u"1 2", u"???????"},
    {u"+5", u"???????"},
    {u"1,5", u"???????"},
    {u"1e5", u"???????"},
    {u"5-", u"???????"},
    {u"--5", u"???????"},
    {u"1.5.5", u"???????"},
    {u"0.5a", u"???????"},
    {u"１２", u"???????"},
    {u"十二", u"???????"},
    {u"5😀", u"???????"},
    {u"1\t2", u"???????"},
    {u"abc", u"???????"},
    // A bad character is seen before the length of the integer part.
    {u"1234567890123x", u"???????"},
    // Nothing beyond the cut is looked at.
    {u"1.2345678901234x", u"一点二三四五六七八九零一二三四"},
};

class WriterConverterTest : public RulesFixture, public ::testing::WithParamInterface<CharacterTable> {};

TEST_P(WriterConverterTest, WritesEveryArabicTextInTheCurrentTable) {
  utiliserTable(GetParam());
  for (const Case& c : kWritten) {
    const QString arabic = QString::fromUtf16(c.arabic);
    SCOPED_TRACE(arabic.toStdString());
    convertirArabe(arabic);
    EXPECT_EQ(vue.chinois(), inTable(GetParam(), QString::fromUtf16(c.chinese)));
    EXPECT_EQ(vue.arabe(), arabic);
    EXPECT_EQ(calc.position, 3);
  }
  EXPECT_TRUE(vue.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTables, WriterConverterTest, ::testing::ValuesIn(kAllTables),
                         [](const auto& info) { return std::string(tableName(info.param)); });

}  // namespace
