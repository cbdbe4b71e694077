// The paper tape model: the lines of the calculation in progress, the finished tape and the mark
// left by clearing it.

#include <QStringList>

#include "rules/rules_fixture.h"

namespace {

class PaperTapeTest : public RulesFixture {
 protected:
  EcrireSurBande& bande() { return calc.ecriresurbande; }
  // Lines joined, each followed by the separator.
  static QString lignes(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + sep();
    return text;
  }
};

TEST_F(PaperTapeTest, ASecondOperatorReplacesTheFirstLine) {
  frappe(QStringLiteral("十二加减"));
  EXPECT_EQ(bande().textebande, lignes({QStringLiteral("十二"), calc.cmoins, QString()}));
  EXPECT_EQ(bande().ii, 2);
  frappe(QStringLiteral("乘三="));
  EXPECT_EQ(bande().textebandedefinitif,
            lignes({QStringLiteral("十二"), calc.cfois, QStringLiteral("三"), calc.ce, QStringLiteral("三十六")}));
}

TEST_F(PaperTapeTest, ANumberTypedAfterClearingThatDiffersFromTheClearedOneEndsTheWait) {
  frappe(QStringLiteral("十二"));
  bande().effacertout();
  frappe(QStringLiteral("<三"));
  EXPECT_FALSE(bande().attenteop);
}

TEST_F(PaperTapeTest, DeletingAnOperandAfterClearingBringsThePendingOperatorBack) {
  vue.bandeOuverte = true;
  frappe(QStringLiteral("十二加三"));
  bande().effacertout();
  ASSERT_TRUE(bande().attenteop);
  frappe(QStringLiteral("<"));
  EXPECT_EQ(vue.affichage(), QString());
  EXPECT_EQ(bande().textebande, lignes({QStringLiteral("..."), calc.cplus, QString()}));
  EXPECT_FALSE(bande().attenteop);
  frappe(QStringLiteral("四="));
  EXPECT_EQ(bande().textebandedefinitif,
            lignes({QStringLiteral("..."), calc.cplus, QStringLiteral("四"), calc.ce, QStringLiteral("十六")}));
}

TEST_F(PaperTapeTest, DeletingAnOperandToNothingLeavesTheFinishedTapeWhole) {
  vue.bandeOuverte = true;
  frappe(QStringLiteral("十二加三=五"));
  const QString fini = bande().textebandedefinitif;
  frappe(QStringLiteral("<"));
  EXPECT_EQ(vue.affichage(), QString());
  EXPECT_EQ(bande().points, QString());
  EXPECT_EQ(bande().textebandedefinitif, fini);
  EXPECT_EQ(bande().ii, 0);
  EXPECT_FALSE(bande().textebande.contains(QStringLiteral("...")));

  // The same within a chain: the operand's line is emptied, nothing else moves.
  frappe(QStringLiteral("六加七"));
  const QString avant = bande().textebande;
  frappe(QStringLiteral("<"));
  EXPECT_EQ(bande().textebande, fini + sep() + lignes({QStringLiteral("六"), calc.cplus, QString()}));
  EXPECT_EQ(bande().textebandedefinitif, fini);
  EXPECT_NE(bande().textebande, avant);
}

}  // namespace
