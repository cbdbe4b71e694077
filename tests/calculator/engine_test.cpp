#include <cmath>

#include "calculator/calculator_fixture.h"
#include "platform/application.h"
#include "strings/langues.h"

namespace {

// Everything the calculator holds, to show what a key left alone.
struct Registres {
  QString N1texte, N2texte, N3texte;
  double N1valeur, N2valeur, N3valeur, n0valeur;
  int etat, operation, position;
  bool persev;
  QString affichage, echo, operateur;
  bool operator==(const Registres&) const = default;
};

// What the tape and the history hold.
struct Traces {
  QStringList ligne;
  int ii;
  QString textebande, textebandedefinitif;
  QStringList tligne;
  QList<double> vligne;
  int jj;
  bool operator==(const Traces&) const = default;
};

void PrintTo(const Registres& r, std::ostream* os) {
  *os << "N1 " << r.N1texte.toStdString() << "=" << r.N1valeur << ", N2 " << r.N2texte.toStdString() << "="
      << r.N2valeur << ", N3 " << r.N3texte.toStdString() << "=" << r.N3valeur << ", etat " << r.etat << ", operation "
      << r.operation << ", display " << r.affichage.toStdString();
}

class EngineTest : public CalculatorFixture {
 protected:
  Registres registres() {
    App& x = a();
    return {x.N1texte, x.N2texte,   x.N3texte,  x.N1valeur, x.N2valeur,    x.N3valeur, x.n0valeur,
            x.etat,    x.operation, x.position, x.persev,   displayText(), echoText(), operatorText()};
  }
  Traces traces() {
    App& x = a();
    return {x.ecriresurbande.ligne,
            x.ecriresurbande.ii,
            x.ecriresurbande.textebande,
            x.ecriresurbande.textebandedefinitif,
            x.historique.tligne,
            x.historique.vligne,
            x.historique.jj};
  }
};

TEST_F(EngineTest, TwelvePlusThreeEqualsShowsFifteenAndRestartsTheHistory) {
  frappe(QStringLiteral("十二加三="));
  EXPECT_EQ(a().N3valeur, 15);
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(fpr().StaticText1->textSize(), 20);
  EXPECT_EQ(echoText(), QStringLiteral("15"));
  EXPECT_EQ(operatorText(), a().ce);
  EXPECT_EQ(fpr().StaticText13->text(), QStringLiteral("="));
  EXPECT_EQ(a().etat, 2);
  EXPECT_TRUE(a().persev);
  EXPECT_EQ(a().position, 1);
  EXPECT_EQ(a().n0valeur, 15);
  EXPECT_FALSE(a().derniereOperationArretee());
  EXPECT_EQ(a().historique.jj, 0);
  EXPECT_EQ(a().historique.tligne.value(0), QStringLiteral("十五"));
  EXPECT_EQ(a().historique.vligne.value(0), 15);
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(EngineTest, AChainedOperatorCarriesOutThePendingOneBeforeItBecomesPending) {
  frappe(QStringLiteral("十二加三"));
  a().operationdemandee();
  // The engine alone carries out 12 + 3; the key makes subtraction pending afterwards.
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(a().N1valeur, 15);
  EXPECT_EQ(a().N1texte, QStringLiteral("十五"));
  EXPECT_EQ(a().etat, 1);
  EXPECT_EQ(a().operation, 1);
  EXPECT_EQ(a().historique.vligne.value(2), 15);
  EXPECT_FALSE(a().derniereOperationArretee());

  frappe(QStringLiteral("<<十二加三减"));
  EXPECT_EQ(displayText(), QString());
  EXPECT_EQ(a().N1valeur, 15);
  EXPECT_EQ(a().etat, 1);
  EXPECT_EQ(a().operation, 2);
  EXPECT_EQ(operatorText(), a().cmoins);
  EXPECT_EQ(fpr().StaticText13->text(), QStringLiteral("-"));
}

struct DivisionCase {
  const char* nom;
  const char* diviseur;
  const char* touche;  // what is pressed after the zero operand
  bool negatif;        // the divisor read is a negative zero
};

class DivisionByZeroTest : public EngineTest, public ::testing::WithParamInterface<DivisionCase> {};

TEST_P(DivisionByZeroTest, ShowsTheMessageAndChangesNothingButTheSecondOperand) {
  frappe(QStringLiteral("八除") + QString::fromUtf8(GetParam().diviseur));
  Registres attendu = registres();
  const Traces avant = traces();

  frappe(QString::fromUtf8(GetParam().touche));

  EXPECT_EQ(services().messages, QStringList{langues::lxparzero()});
  EXPECT_TRUE(a().derniereOperationArretee());
  EXPECT_EQ(a().finoperation, App::FinOperation::divisionparzero);
  attendu.N2texte = QString::fromUtf8(GetParam().diviseur);
  EXPECT_EQ(a().N2valeur, 0);
  EXPECT_EQ(std::signbit(a().N2valeur), GetParam().negatif);
  attendu.N2valeur = a().N2valeur;
  EXPECT_EQ(registres(), attendu);
  EXPECT_EQ(a().etat, 1);
  EXPECT_EQ(a().operation, 4);
  EXPECT_EQ(traces(), avant);
}

INSTANTIATE_TEST_SUITE_P(ZeroEtNegatifZero, DivisionByZeroTest,
                         ::testing::Values(DivisionCase{"ZeroPuisEgal", "零", "=", false},
                                           DivisionCase{"NegatifZeroPuisEgal", "负零", "=", true},
                                           DivisionCase{"ZeroPuisOperateur", "零", "加", false},
                                           DivisionCase{"NegatifZeroPuisOperateur", "负零", "除", true}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(EngineTest, AStopIsReportedOnlyWhenThisCallMetIt) {
  // Registers that look like a refused division, left over from earlier steps.
  frappe(QStringLiteral("八"));
  a().operation = 4;
  a().N2valeur = 0;
  a().operationdemandee();
  EXPECT_FALSE(a().derniereOperationArretee());
  EXPECT_EQ(a().etat, 1);

  // An out-of-range flag left by the converter is not this call's either.
  a().initialisercalculette();
  frappe(QStringLiteral("五"));
  a().arabechinois.tropbig = true;
  a().operationdemandee();
  EXPECT_FALSE(a().derniereOperationArretee());
  EXPECT_EQ(a().etat, 1);

  // A refused division is followed by one that goes through.
  a().initialisercalculette();
  frappe(QStringLiteral("八除零="));
  ASSERT_TRUE(a().derniereOperationArretee());
  effacerUnPas();
  frappe(QStringLiteral("二="));
  EXPECT_FALSE(a().derniereOperationArretee());
  EXPECT_EQ(displayText(), QStringLiteral("四"));
}

const char* const kMaximum = "九千九百九十九亿九千九百九十九万九千九百九十九";

TEST_F(EngineTest, AnOutOfRangeResultKeepsTheSecondOperandAndAsksAgainAtTheNextOperator) {
  frappe(QString::fromUtf8(kMaximum) + QStringLiteral("乘十"));
  ASSERT_EQ(echoText(), QStringLiteral("10"));
  const Traces avant = traces();

  frappe(QStringLiteral("加"));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  EXPECT_TRUE(a().derniereOperationArretee());
  EXPECT_EQ(a().finoperation, App::FinOperation::horslimites);
  EXPECT_EQ(displayText(), QStringLiteral("十"));
  EXPECT_EQ(echoText(), QStringLiteral("10"));
  EXPECT_EQ(a().chinoisarabe.textactuel, QStringLiteral("十"));
  EXPECT_EQ(a().etat, 1);
  EXPECT_EQ(a().operation, 3);
  EXPECT_EQ(operatorText(), a().cfois);
  EXPECT_EQ(a().N1valeur, 999999999999.0);
  EXPECT_EQ(traces(), avant);
  EXPECT_FALSE(a().arabechinois.tropbig);  // cleared on the way out of the key

  frappe(QStringLiteral("减"));
  EXPECT_EQ(services().messages.size(), 2);
  EXPECT_EQ(traces(), avant);

  // The second operand is still being entered.
  frappe(QStringLiteral("五"));
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(echoText(), QStringLiteral("15"));
}

TEST_F(EngineTest, AnOutOfRangeEqualsKeepsTheSecondOperandAndDropsTheFocus) {
  frappe(QString::fromUtf8(kMaximum) + QStringLiteral("加一"));
  const Traces avant = traces();
  frappe(QStringLiteral("="));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  EXPECT_EQ(a().finoperation, App::FinOperation::horslimites);
  EXPECT_EQ(displayText(), QStringLiteral("一"));
  EXPECT_EQ(echoText(), QStringLiteral("1"));
  EXPECT_EQ(a().etat, 1);
  EXPECT_EQ(a().persev, false);
  EXPECT_EQ(platform::Application::current()->focusedControl(), nullptr);
  EXPECT_EQ(traces(), avant);

  frappe(QStringLiteral("="));
  EXPECT_EQ(services().messages.size(), 2);

  // The largest number in range is still written.
  a().initialisercalculette();
  frappe(QString::fromUtf8(kMaximum) + QStringLiteral("加零="));
  EXPECT_EQ(displayText(), QString::fromUtf8(kMaximum));
  EXPECT_EQ(echoText(), QStringLiteral("999999999999"));
}

struct EgalSansEffet {
  const char* nom;
  const char* avant;
};

class EqualsWithoutEffectTest : public EngineTest, public ::testing::WithParamInterface<EgalSansEffet> {};

TEST_P(EqualsWithoutEffectTest, ChangesNothingAndShowsNoMessage) {
  frappe(QString::fromUtf8(GetParam().avant));
  const Registres r = registres();
  const Traces t = traces();
  const QStringList messages = services().messages;
  frappe(QStringLiteral("="));
  EXPECT_EQ(registres(), r);
  EXPECT_EQ(traces(), t);
  EXPECT_EQ(services().messages, messages);
}

INSTANTIATE_TEST_SUITE_P(Etats, EqualsWithoutEffectTest,
                         ::testing::Values(EgalSansEffet{"RienEntre", ""}, EgalSansEffet{"PremierOperande", "十二"},
                                           EgalSansEffet{"AffichageVideApresOperateur", "十二加"},
                                           EgalSansEffet{"ResultatAffiche", "十二加三="}),
                         [](const auto& info) { return std::string(info.param.nom); });

struct Longueur {
  QString texte;
  int taille;
};

TEST_F(EngineTest, TheDisplayTextSizeFollowsItsLengthInCharacters) {
  const QString emoji = QString::fromUcs4(U"\U0001F600");
  const std::vector<Longueur> cases = {
      {QString(), 20},          {QString(24, QChar(u'九')), 20},     {QString(25, QChar(u'九')), 17},
      {emoji.repeated(24), 20},  // 48 UTF-16 units, 24 characters
      {emoji.repeated(25), 17}, {QString(100000, QChar(u'九')), 17},
  };
  for (const Longueur& c : cases) {
    fpr().StaticText1->setText(c.texte);
    a().adapterecran();
    EXPECT_EQ(fpr().StaticText1->textSize(), c.taille) << c.texte.size() << " units";
  }
}

TEST_F(EngineTest, ALongNumberOnTheDisplayShrinksAndGrowsBack) {
  // 23 characters of the largest number and the point: 24 characters, then the 25th.
  frappe(QString::fromUtf8(kMaximum) + QStringLiteral("点"));
  ASSERT_EQ(displayText().size(), 24);
  EXPECT_EQ(fpr().StaticText1->textSize(), 20);
  frappe(QStringLiteral("九"));
  EXPECT_EQ(fpr().StaticText1->textSize(), 17);

  // 负, 23 characters of the largest number and the point: 25 characters.
  effacerTout();
  frappe(QStringLiteral("负") + QString::fromUtf8(kMaximum) + QStringLiteral("点"));
  ASSERT_EQ(displayText().size(), 25);
  EXPECT_EQ(fpr().StaticText1->textSize(), 17);
  effacerUnPas();
  ASSERT_EQ(displayText().size(), 24);
  EXPECT_EQ(fpr().StaticText1->textSize(), 20);
}

struct Symbole {
  QString operateur;
  const char* symbole;
};

TEST_F(EngineTest, TheOperatorSymbolFollowsTheOperatorWord) {
  const std::vector<Symbole> cases = {
      {a().ce, "="},
      {a().cplus, "+"},
      {a().cmoins, "-"},
      {a().cfois, "x"},
      {a().cpar, "\u00F7"},
      {QString(), ""},
      {a().cad + a().cad, ""},
      {a().cmu, ""},  // the key caption 乘 is not the word 乘以
      {QStringLiteral("+"), ""},
  };
  for (const Symbole& c : cases) {
    fpr().StaticText13->setText(QStringLiteral("?"));
    fpr().STopera->setText(c.operateur);
    a().actualiserst13();
    EXPECT_EQ(fpr().StaticText13->text(), QString::fromUtf8(c.symbole)) << c.operateur.toStdString();
  }
}

TEST_F(EngineTest, TheOperatorSymbolFollowsTheTraditionalWords) {
  a().tradusuel();
  ASSERT_EQ(a().cmoins, QStringLiteral("減"));
  fpr().STopera->setText(QStringLiteral("減"));
  a().actualiserst13();
  EXPECT_EQ(fpr().StaticText13->text(), QStringLiteral("-"));
}

TEST_F(EngineTest, TheItalicChecksReadTheEchoAndTheArabicField) {
  fpr().StaticText11->setItalic(true);
  fpr().EFcr->setItalic(false);
  fpr().Canvas4->setFocus();
  EXPECT_TRUE(a().verifier1italique());
  // The calculator's check drops the focus, as the keys expect.
  EXPECT_EQ(platform::Application::current()->focusedControl(), nullptr);

  fpr().StaticText11->setItalic(false);
  fpr().EFcr->setItalic(true);
  EXPECT_FALSE(a().verifier1italique());

  // The converter's check is made while the user types into EFca: the field keeps the focus.
  fpr().EFca->setFocus();
  EXPECT_TRUE(a().verifier2italique());
  EXPECT_EQ(platform::Application::current()->focusedControl(), fpr().EFca);
  fpr().EFcr->setItalic(false);
  EXPECT_FALSE(a().verifier2italique());
}

TEST_F(EngineTest, AnAbbreviatedNumberIsRefusedByTheOperatorAndEqualsKeys) {
  frappe(QStringLiteral("三百五"));
  ASSERT_TRUE(fpr().StaticText11->italic());
  frappe(QStringLiteral("加"));
  frappe(QStringLiteral("="));
  EXPECT_EQ(services().messages, (QStringList{langues::lxecritureincorrecte(), langues::lxecritureincorrecte()}));
  EXPECT_EQ(a().etat, 0);
  EXPECT_EQ(displayText(), QStringLiteral("三百五"));
}

TEST_F(EngineTest, ClearingResetsTheCalculatorTheCurrentTapeAndTheHistory) {
  frappe(QStringLiteral("十二加三=减二"));
  const QString finished = a().ecriresurbande.textebandedefinitif;
  effacerTout();

  EXPECT_EQ(registres(),
            (Registres{QString(), QString(), QString(), 0, 0, 0, 0, 0, 0, 1, false, QString(), QString(), QString()}));
  EXPECT_EQ(fpr().StaticText13->text(), QString());
  // The finished calculation stays; the clear key closed its result line again.
  EXPECT_EQ(a().ecriresurbande.textebandedefinitif, finished + sep());
  EXPECT_EQ(a().ecriresurbande.ii, 0);
  EXPECT_EQ(a().ecriresurbande.ligne, (QStringList{QString(), QString()}));
  EXPECT_EQ(a().ecriresurbande.points, QString());
  EXPECT_EQ(a().ecriresurbande.textebandeprovisoir, sep());
  EXPECT_EQ(a().historique.jj, 0);
  EXPECT_EQ(a().historique.tligne, (QStringList{QString(), QString()}));
  EXPECT_EQ(a().historique.vligne, (QList<double>{0, 0}));
}

TEST_F(EngineTest, ANewCalculationAfterClearingDoesNotInheritTheDiscardedSteps) {
  frappe(QStringLiteral("十二加三减"));
  effacerTout();
  frappe(QStringLiteral("五加"));
  // Stepping back from here may only reach 五, never the discarded 减 and its total 15.
  EXPECT_EQ(a().historique.jj, 2);
  EXPECT_EQ(a().historique.tligne, (QStringList{QStringLiteral("五"), a().cplus, QString()}));
  EXPECT_EQ(a().historique.vligne, (QList<double>{5, 0, 0}));
}

TEST_F(EngineTest, ADigitAfterAResultStartsANewCalculation) {
  frappe(QStringLiteral("十二加三=四"));
  EXPECT_EQ(a().etat, 0);
  EXPECT_EQ(displayText(), QStringLiteral("四"));
  EXPECT_EQ(a().N3valeur, 0);
  EXPECT_FALSE(a().persev);
  frappe(QStringLiteral("加一="));
  EXPECT_EQ(displayText(), QStringLiteral("五"));
}

}  // namespace
