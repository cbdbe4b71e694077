// The reader and the writer on their own: a character table, a text or a value in, what they
// make of it out, with no calculator and no view.

#include <gtest/gtest.h>

#include <QList>

#include "numeraux/chartables.h"
#include "numeraux/ecrivain.h"
#include "numeraux/lecteur.h"
#include "support/printers.h"

namespace {

class NumeralsAloneTest : public ::testing::Test {
 protected:
  NumeralsAloneTest() { chartables::appliquer(table, chartables::simplifiedUsual); }

  Caracteres table;
  Lecteur lecteur{table};
  Ecrivain ecrivain{table};
};

TEST_F(NumeralsAloneTest, TheReaderGivesTheValueAndItsMarks) {
  struct Cas {
    const char16_t* chinois;
    const char16_t* arabe;
    double valeur;
    bool italique, refusee, note;
  };
  const Cas cas[] = {
      {u"十二", u"12", 12, false, false, false},
      {u"负十二点五", u"-12.5", -12.5, false, false, false},
      {u"三百五", u"350", 350, true, false, false},
      {u"负", u"-", 0, false, false, false},
      {u"", u"", 0, false, false, false},
      // A character of another table is read, and asks for the note.
      {u"壹佰", u"100", 100, false, false, true},
      {u"一十", u"????????", 0, false, true, false},
      // A refused text never asks for the note, even with characters of another table.
      {u"壹十壹十", u"????????", 0, false, true, false},
  };
  for (const Cas& c : cas) {
    const QString chinois = QString::fromUtf16(c.chinois);
    const Lecture& lu = lecteur.lire(chinois);
    const std::string nom = chinois.toStdString();
    EXPECT_EQ(lu.arabe, QString::fromUtf16(c.arabe)) << nom;
    if (!c.refusee) {
      EXPECT_EQ(lu.valeur, c.valeur) << nom;
    }
    EXPECT_EQ(lu.italique, c.italique) << nom;
    EXPECT_EQ(lu.refusee, c.refusee) << nom;
    EXPECT_EQ(lu.noteVoulue, c.note) << nom;
  }
}

TEST_F(NumeralsAloneTest, EachTextIsReadAfresh) {
  ASSERT_TRUE(lecteur.lire(QStringLiteral("一十")).refusee);
  const Lecture& lu = lecteur.lire(QStringLiteral("十"));
  EXPECT_FALSE(lu.refusee);
  EXPECT_EQ(lu.arabe, QStringLiteral("10"));
}

TEST_F(NumeralsAloneTest, TheWriterGivesTheNumeralOrSaysItIsOutOfRange) {
  EXPECT_EQ(ecrivain.ecrire(110.0).chinois, QStringLiteral("一百一十"));
  EXPECT_EQ(ecrivain.ecrire(QStringLiteral("-20.05")).chinois, QStringLiteral("负二十点零五"));
  EXPECT_EQ(ecrivain.ecrire(QStringLiteral("12a")).chinois, ArabeChinois::kTexteMauvais);
  for (const Ecriture& e : {ecrivain.ecrire(1e12), ecrivain.ecrire(QStringLiteral("1234567890123"))}) {
    EXPECT_TRUE(e.horsLimites);
    EXPECT_EQ(e.chinois, QString());
  }
  EXPECT_FALSE(ecrivain.ecrire(12.0).horsLimites);
  EXPECT_EQ(ecrivain.arabe(1.0 / 3.0), QStringLiteral("0.33333333333333"));
}

TEST_F(NumeralsAloneTest, BothFollowTheTableInForce) {
  chartables::appliquer(table, chartables::traditionalFinancial);
  EXPECT_EQ(ecrivain.ecrire(-20.0).chinois, QStringLiteral("負貳拾"));
  const Lecture& lu = lecteur.lire(QStringLiteral("負貳拾"));
  EXPECT_EQ(lu.arabe, QStringLiteral("-20"));
  EXPECT_FALSE(lu.noteVoulue);
}

}  // namespace
