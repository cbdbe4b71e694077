// Calculations as the keys make them: chains, running totals and the results users check.

#include "rules/rules_fixture.h"

namespace {

using CalculatorRulesTest = RulesFixture;

TEST_F(CalculatorRulesTest, ChainsGoOnFromEachRunningTotal) {
  frappe(QStringLiteral("十二加三减二乘四除五="));
  EXPECT_EQ(calc.N3valeur, (12.0 + 3 - 2) * 4 / 5);
  EXPECT_EQ(vue.affichage(), QStringLiteral("十点四"));
  EXPECT_EQ(vue.echo, QStringLiteral("10.4"));
}

TEST_F(CalculatorRulesTest, TheRunningTotalIsTheFullDoubleNotItsWrittenText) {
  frappe(QStringLiteral("一除三="));
  ASSERT_EQ(vue.affichage(), QStringLiteral("零点三三三三三三三三三三三三三三"));
  EXPECT_EQ(calc.N3valeur, 1.0 / 3.0);
  EXPECT_EQ(calc.historique.vligne.value(0), 1.0 / 3.0);
  frappe(QStringLiteral("乘"));
  EXPECT_EQ(calc.N1valeur, 1.0 / 3.0);
  EXPECT_EQ(calc.historique.vligne.value(0), 1.0 / 3.0);
  frappe(QStringLiteral("三="));
  // The written third, 0.33333333333333, would give 0.99999999999999.
  EXPECT_EQ(vue.affichage(), QStringLiteral("一"));
  EXPECT_EQ(vue.echo, QStringLiteral("1"));

  calc.initialisercalculette();
  frappe(QStringLiteral("一除三乘三="));
  EXPECT_EQ(vue.affichage(), QStringLiteral("一"));
}

TEST_F(CalculatorRulesTest, AnOperatorAfterEqualsTakesTheResultAndKeepsItsText) {
  frappe(QStringLiteral("十二加三="));
  frappe(QStringLiteral("减"));
  EXPECT_EQ(calc.N1valeur, 15);
  EXPECT_EQ(calc.N1texte, QStringLiteral("十二"));  // only the value is carried over
  EXPECT_EQ(calc.etat, 1);
  EXPECT_EQ(vue.affichage(), QString());
  EXPECT_EQ(vue.echo, QString());
  frappe(QStringLiteral("二="));
  EXPECT_EQ(vue.affichage(), QStringLiteral("十三"));
}

struct Resultat {
  const char* nom;
  const char* touches;
  const char* chinois;
  const char* arabe;
};

class ResultsUsersCheckTest : public RulesFixture, public ::testing::WithParamInterface<Resultat> {};

TEST_P(ResultsUsersCheckTest, AreWrittenAsTheUserExpects) {
  frappe(QString::fromUtf8(GetParam().touches));
  EXPECT_EQ(vue.affichage(), QString::fromUtf8(GetParam().chinois));
  EXPECT_EQ(vue.echo, QString::fromUtf8(GetParam().arabe));
  EXPECT_TRUE(vue.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Calculs, ResultsUsersCheckTest,
                         ::testing::Values(Resultat{"DixiemesSansArrondiVisible", "零点一加零点二=", "零点三", "0.3"},
                                           Resultat{"ProduitDeDecimaux", "四点三五乘一百=", "四百三十五", "435"},
                                           Resultat{"TiersCoupeAQuatorzeChiffres",
                                                    "一除三=", "零点三三三三三三三三三三三三三三", "0.33333333333333"},
                                           Resultat{"QuotientNegatif", "负七除二=", "负三点五", "-3.5"},
                                           Resultat{"DifferenceNegative", "三减五=", "负二", "-2"},
                                           Resultat{"ProduitNul", "二乘零=", "零", "0"}),
                         [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
