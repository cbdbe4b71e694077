// The calculator methods alone: operands taken in character by character, an operation and
// "=", with the display, the echo, the tape and the history they leave.

#include "rules/rules_fixture.h"

namespace {

class CalculetteRulesTest : public RulesFixture {
 protected:
  void operateur(int operation, const QString& mot) { calc.toucheoperateur(operation, mot); }
};

TEST_F(CalculetteRulesTest, AnOperationAndEqualsShowTheResultAndCloseTheTape) {
  vue.bandeOuverte = true;
  frapper(QStringLiteral("十二"));
  operateur(1, calc.cplus);
  frapper(QStringLiteral("三"));
  calc.toucheegale();
  EXPECT_EQ(vue.affichage(), QStringLiteral("十五"));
  EXPECT_EQ(vue.echo, QStringLiteral("15"));
  EXPECT_EQ(vue.symbole, QStringLiteral("="));
  EXPECT_EQ(calc.etat, 2);
  const QString sep(QChar(12));
  const QString calcul = QStringLiteral("十二") + sep + calc.cplus + sep + QStringLiteral("三") + sep + calc.ce + sep;
  EXPECT_TRUE(vue.bande.startsWith(calcul + QStringLiteral("十五") + sep)) << vue.bande.toStdString();
  EXPECT_EQ(vue.bandeDefinitive, calcul.size() + 3);
  EXPECT_EQ(calc.historique.textew1, QStringLiteral("十五     15") + sep);
}

TEST_F(CalculetteRulesTest, OperationsThatStop) {
  struct Cas {
    const char* nom;
    const char16_t* premier;
    int operation;
    const char16_t* second;
    Message message;
  };
  const Cas cas[] = {
      {"division by zero", u"五", 4, u"零", Message::parzero},
      {"result out of range", u"九千亿", 3, u"九千亿", Message::horslimites},
  };
  for (const Cas& c : cas) {
    RulesFixture::vue.messages.clear();
    calc.initialisercalculette();
    frapper(QString::fromUtf16(c.premier));
    operateur(c.operation, QStringLiteral("op"));
    frapper(QString::fromUtf16(c.second));
    calc.toucheegale();
    EXPECT_EQ(vue.messages, std::vector<Message>{c.message}) << c.nom;
    // The second operand stays on the display and the calculation stays open.
    EXPECT_EQ(vue.affichage(), QString::fromUtf16(c.second)) << c.nom;
    EXPECT_EQ(calc.etat, 1) << c.nom;
  }
}

TEST_F(CalculetteRulesTest, TheHistoryKeepsTheRunningTotalOfAChain) {
  frapper(QStringLiteral("十二"));
  operateur(1, calc.cplus);
  frapper(QStringLiteral("三"));
  operateur(2, calc.cmoins);
  EXPECT_EQ(calc.N1valeur, 15);
  EXPECT_EQ(calc.historique.vligne.value(2), 15);
  EXPECT_EQ(vue.affichage(), QString());
}

TEST_F(CalculetteRulesTest, StepBackOverAnOperator) {
  struct Cas {
    const char16_t* touches;
    const char16_t* affichage;
    QString EtatApp::*operateur;  // nullptr: no operator shown
    int etat;
    double total;
  };
  const Cas cas[] = {
      {u"十二加<", u"十二", nullptr, 0, 0},
      {u"十二加三减<", u"三", &EtatApp::cplus, 1, 12},
      // The second operator took the first one's step, so one step back reaches the operand.
      {u"十二加减<", u"十二", nullptr, 0, 0},
      {u"十二加三=加<", u"十五", &EtatApp::ce, 2, 15},
  };
  for (const Cas& c : cas) {
    const QString touches = QString::fromUtf16(c.touches);
    const std::string nom = touches.toStdString();
    calc.initialisercalculette();
    frappe(touches);
    EXPECT_EQ(vue.affichage(), QString::fromUtf16(c.affichage)) << nom;
    EXPECT_EQ(vue.operateur(), c.operateur != nullptr ? calc.*c.operateur : QString()) << nom;
    EXPECT_EQ(calc.etat, c.etat) << nom;
    if (c.etat == 1) {
      EXPECT_EQ(calc.N1valeur, c.total) << nom;
    }
  }
}

}  // namespace
