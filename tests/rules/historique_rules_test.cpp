// The history model: each step of the calculation in progress with its running total, and the
// text of the hidden history window.

#include "rules/rules_fixture.h"

namespace {

class HistoryTest : public RulesFixture {
 protected:
  Historique& h() { return calc.historique; }
  // What the hidden history window holds.
  QString ed1() { return h().textew1; }
  static QString entree(const QString& texte, const char* valeur) {
    return texte + QStringLiteral("     ") + QString::fromLatin1(valeur) + sep();
  }
};

TEST_F(HistoryTest, HoldsEachStepWithTheRunningTotalBeforeEquals) {
  frappe(QStringLiteral("十二加三"));
  EXPECT_EQ(h().jj, 2);
  EXPECT_EQ(h().tligne.mid(0, 3), (QStringList{QStringLiteral("十二"), calc.cplus, QStringLiteral("三")}));
  EXPECT_EQ(h().vligne.mid(0, 3), (QList<double>{12, 0, 0}));
  EXPECT_EQ(ed1(), entree(QStringLiteral("十二"), "12") + entree(calc.cplus, "0") + entree(QStringLiteral("三"), "0"));
}

TEST_F(HistoryTest, EqualsRestartsFromTheResultAlone) {
  frappe(QStringLiteral("十二加三="));
  EXPECT_EQ(h().jj, 0);
  EXPECT_EQ(h().tligne.value(0), QStringLiteral("十五"));
  EXPECT_EQ(h().vligne.value(0), 15);
  EXPECT_EQ(h().tligne.size(), 2);
  EXPECT_EQ(h().vligne.size(), 2);
  EXPECT_EQ(ed1(), entree(QStringLiteral("十五"), "15"));
}

TEST_F(HistoryTest, AChainedOperatorRecordsTheRunningTotalOnTheOperandBeforeIt) {
  frappe(QStringLiteral("十二加三减"));
  EXPECT_EQ(h().jj, 4);
  EXPECT_EQ(h().vligne.value(2), 15);
  EXPECT_EQ(ed1(), entree(QStringLiteral("十二"), "12") + entree(calc.cplus, "0") + entree(QStringLiteral("三"), "15") +
                       entree(calc.cmoins, "0") + entree(QString(), "0"));
}

TEST_F(HistoryTest, ResultsWithDecimalsAreWrittenInFull) {
  frappe(QStringLiteral("一除四="));
  EXPECT_EQ(ed1(), entree(QStringLiteral("零点二五"), "0.25"));
  frappe(QStringLiteral("乘"));
  EXPECT_EQ(h().vligne.value(0), 0.25);
  EXPECT_EQ(ed1(), entree(QStringLiteral("零点二五"), "0.25") + entree(calc.cfois, "0") + entree(QString(), "0"));
}

TEST_F(HistoryTest, ClearingEmptiesTheHistory) {
  frappe(QStringLiteral("十二加三减"));
  frappe(QStringLiteral("<<"));
  EXPECT_EQ(h().jj, 0);
  EXPECT_EQ(h().tligne, (QStringList{QString(), QString()}));
  EXPECT_EQ(h().vligne, (QList<double>{0, 0}));
  EXPECT_EQ(ed1(), entree(QString(), "0"));
}

TEST_F(HistoryTest, SteppingBackAfterClearingReachesOnlyTheNewCalculation) {
  frappe(QStringLiteral("十二加三减<<五加<"));
  EXPECT_EQ(vue.affichage(), QStringLiteral("五"));
  EXPECT_EQ(vue.operateur(), QString());
  EXPECT_EQ(calc.etat, 0);
  EXPECT_EQ(h().jj, 0);
}

}  // namespace
