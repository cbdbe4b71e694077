// The reader alone, through the converter's road: a whole Chinese text read into the Arabic
// field, with its italics, refusals and the note for characters of another table.

#include "rules/rules_fixture.h"

namespace {

using ReaderRulesTest = RulesFixture;

struct Lecture {
  const char16_t* chinois;
  const char16_t* arabe;
  bool italique;
};

TEST_F(ReaderRulesTest, WholeTextsGiveTheirArabicValue) {
  const Lecture cas[] = {
      {u"零", u"0", false},
      {u"十", u"10", false},
      {u"十二", u"12", false},
      {u"一百二十三", u"123", false},
      {u"三百五", u"350", true},
      {u"一万零五", u"10005", false},
      {u"负十二点五", u"-12.5", false},
      {u"零点零五", u"0.05", false},
      {u"负", u"-", false},
      {u"九千九百九十九亿九千九百九十九万九千九百九十九", u"999999999999", false},
      {u"  十二\t", u"12", false},
  };
  for (const Lecture& c : cas) {
    convertirChinois(QString::fromUtf16(c.chinois));
    EXPECT_EQ(vue.arabe(), QString::fromUtf16(c.arabe)) << QString::fromUtf16(c.chinois).toStdString();
    EXPECT_EQ(vue.arabeItalique(), c.italique) << QString::fromUtf16(c.chinois).toStdString();
  }
}

TEST_F(ReaderRulesTest, MalformedTextsGiveTheRefusedMarkerWithoutAMessage) {
  for (const char16_t* texte : {u"一十", u"五五", u"十百", u"点点", u"二负", u"abc", u"十二😀", u"万"}) {
    convertirChinois(QString::fromUtf16(texte));
    EXPECT_EQ(vue.arabe(), ChinoisArabe::kTexteRefuse) << QString::fromUtf16(texte).toStdString();
  }
  EXPECT_TRUE(vue.messages.empty());
}

TEST_F(ReaderRulesTest, CharactersOfAnotherTableAreReadAndAskForTheNote) {
  convertirChinois(QStringLiteral("壹佰"));
  EXPECT_EQ(vue.arabe(), QStringLiteral("100"));
  EXPECT_EQ(vue.notes, 1);
  // A refused text never shows it.
  convertirChinois(QStringLiteral("壹壹"));
  EXPECT_EQ(vue.notes, 1);
}

TEST_F(ReaderRulesTest, DigitsBeyondTheFourteenthAreIgnored) {
  convertirChinois(QStringLiteral("一点二三四五六七八九一二三四五六七八九"));
  EXPECT_EQ(vue.arabe(), QStringLiteral("1.2345678912345"));
}

TEST_F(ReaderRulesTest, TheCalculatorRefusesAKeyWithAMessageAndKeepsTheNumber) {
  frapper(QStringLiteral("十二"));
  frapper(QStringLiteral("三四"));
  EXPECT_EQ(vue.affichage(), QStringLiteral("十二"));
  EXPECT_EQ(vue.echo, QStringLiteral("12"));
  ASSERT_EQ(vue.messages.size(), 2u);
  EXPECT_EQ(vue.messages[0], Message::ecritureincorrecte);
  EXPECT_EQ(calc.n0valeur, 12);
}

}  // namespace
