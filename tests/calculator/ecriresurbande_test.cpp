#include "calculator/calculator_fixture.h"
#include "calculator/fband.h"
#include "platform/application.h"
#include "texte/text.h"

namespace {

constexpr platform::Color kNoir = 0x000000;
constexpr platform::Color kGris = 0x7B7B7B;

class PaperTapeTest : public CalculatorFixture {
 protected:
  EcrireSurBande& bande() { return a().ecriresurbande; }
  fband* fenetre() { return platform::Application::current()->liveInstance<fband>(); }
  platform::EditField& champ() { return *fband::get().EditField1; }
  // The tape window's clear button.
  void effacerBande() { press(QStringLiteral("BevelButton1"), QStringLiteral("fband")); }

  // The field shows the whole tape, its finished part black and the rest grey.
  void expectChamp(const QString& texte, int noirs) {
    ASSERT_NE(fenetre(), nullptr);
    EXPECT_EQ(champ().text(), texte);
    EXPECT_EQ(champ().textColor(), kGris);
    for (int i = 0; i < texte::Len(texte); ++i) {
      EXPECT_EQ(champ().colorAt(i), i < noirs ? kNoir : kGris) << "at " << i;
    }
  }
};

TEST_F(PaperTapeTest, ACalculationBecomesFinishedBlackLinesFollowedByAnEmptyGreyLine) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三="));
  const QString fini =
      lignes({QStringLiteral("十二"), a().cplus, QStringLiteral("三"), a().ce, QStringLiteral("十五")});
  EXPECT_EQ(bande().textebandedefinitif, fini);
  EXPECT_EQ(bande().textebande, fini + sep() + sep());
  EXPECT_EQ(bande().textebandeprovisoir, sep());
  EXPECT_EQ(bande().ii, 0);
  EXPECT_EQ(bande().points, QString());
  expectChamp(fini + sep() + sep(), texte::Len(fini));
  EXPECT_EQ(champ().scrollPosition(), 100000);
}

TEST_F(PaperTapeTest, TheGreyLinesAreTheCalculationInProgress) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三"));
  const QString enCours = lignes({QStringLiteral("十二"), a().cplus, QStringLiteral("三")});
  EXPECT_EQ(bande().textebandeprovisoir, enCours);
  expectChamp(enCours, 0);
}

TEST_F(PaperTapeTest, AnOperatorAfterEqualsRunsOnFromTheResultLine) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三=减"));
  const QString premier = QStringLiteral("十二") + sep() + a().cplus + sep() + QStringLiteral("三") + sep() + a().ce +
                          sep() + QStringLiteral("十五");
  EXPECT_EQ(bande().textebandedefinitif, premier);
  EXPECT_EQ(bande().textebande, premier + sep() + lignes({a().cmoins, QString()}));

  frappe(QStringLiteral("二="));
  const QString tout = lignes({QStringLiteral("十二"), a().cplus, QStringLiteral("三"), a().ce, QStringLiteral("十五"),
                               a().cmoins, QStringLiteral("二"), a().ce, QStringLiteral("十三")});
  EXPECT_EQ(bande().textebandedefinitif, tout);
  expectChamp(tout + sep() + sep(), texte::Len(tout));
}

TEST_F(PaperTapeTest, ANewNumberAfterEqualsLeavesOneEmptyLineAfterTheResult) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三=四"));
  const QString fini =
      lignes({QStringLiteral("十二"), a().cplus, QStringLiteral("三"), a().ce, QStringLiteral("十五")});
  EXPECT_EQ(bande().textebande, fini + sep() + lignes({QStringLiteral("四")}));
  expectChamp(fini + sep() + lignes({QStringLiteral("四")}), texte::Len(fini));
}

TEST_F(PaperTapeTest, WhileTheWindowIsClosedOnlyTheTextsChangeAndOpeningShowsThemAll) {
  frappe(QStringLiteral("十二加三=减二"));
  EXPECT_EQ(fenetre(), nullptr);
  const QString texte = bande().textebande;
  ouvrirBande();
  const QString fini = QStringLiteral("十二") + sep() + a().cplus + sep() + QStringLiteral("三") + sep() + a().ce +
                       sep() + QStringLiteral("十五");
  expectChamp(texte, texte::Len(fini));
  EXPECT_EQ(texte, fini + sep() + lignes({a().cmoins, QStringLiteral("二")}));

  // Closed again: the field of the closed window is not rebuilt.
  fpr().DisclosureTriangle2->setValue(true);
  processEvents();
  frappe(QStringLiteral("="));
  EXPECT_EQ(fenetre(), nullptr);
  ouvrirBande();
  expectChamp(bande().textebande, texte::Len(bande().textebandedefinitif));
}

TEST_F(PaperTapeTest, ClearingAShortTapeOnlyScrollsAndRedrawsIt) {
  ouvrirBande();
  // A fresh tape is the empty current line alone: one separator.
  ASSERT_EQ(bande().textebande, sep());
  const QString avant = champ().text();
  ASSERT_LT(texte::Len(avant), 2);
  champ().setScrollPosition(0);
  effacerBande();
  EXPECT_EQ(bande().textebande, sep());
  EXPECT_EQ(bande().points, QString());
  EXPECT_FALSE(bande().attenteop);
  EXPECT_EQ(champ().scrollPosition(), 5);
  EXPECT_EQ(champ().text(), avant);
  EXPECT_EQ(champ().text(), sep());
  EXPECT_TRUE(champ().visible());
  EXPECT_TRUE(champ().widget()->isVisible());

  // One character is still too short to clear.
  bande().textebande = QStringLiteral("x");
  bande().effacertout();
  EXPECT_EQ(bande().textebande, QStringLiteral("x"));
  EXPECT_EQ(bande().points, QString());
}

TEST_F(PaperTapeTest, ClearingWithTheWindowClosedBuildsNoWindow) {
  frappe(QStringLiteral("十二"));
  bande().effacertout();
  EXPECT_EQ(fenetre(), nullptr);
  EXPECT_EQ(bande().points, QStringLiteral("..."));
}

TEST_F(PaperTapeTest, ClearingWhileAFirstOperandIsEnteredKeepsItBehindTheMark) {
  ouvrirBande();
  frappe(QStringLiteral("十二"));
  effacerBande();
  EXPECT_EQ(bande().textebande, sep());
  EXPECT_EQ(bande().textebandedefinitif, QString());
  EXPECT_EQ(champ().text(), sep());
  EXPECT_EQ(champ().colorAt(0), kGris);
  EXPECT_EQ(champ().scrollPosition(), 5);
  EXPECT_TRUE(champ().widget()->isVisible());
  EXPECT_EQ(bande().points, QStringLiteral("..."));
  EXPECT_TRUE(bande().attenteop);
  EXPECT_EQ(bande().temoin, QStringLiteral("十二"));

  frappe(QStringLiteral("加"));
  EXPECT_EQ(bande().textebande, lignes({QStringLiteral("..."), a().cplus, QString()}));
  expectChamp(bande().textebande, 0);
  EXPECT_FALSE(bande().attenteop);

  // A second operand that begins like the cleared one is written as a line of its own.
  frappe(QStringLiteral("十减"));
  EXPECT_EQ(bande().textebande,
            lignes({QStringLiteral("..."), a().cplus, QStringLiteral("十"), a().cmoins, QString()}));
  frappe(QStringLiteral("二="));
  const QString fini = lignes({QStringLiteral("..."), a().cplus, QStringLiteral("十"), a().cmoins, QStringLiteral("二"),
                               a().ce, QStringLiteral("二十")});
  EXPECT_EQ(bande().textebandedefinitif, fini);
  EXPECT_EQ(bande().points, QString());
  expectChamp(fini + sep() + sep(), texte::Len(fini));
}

struct LongTapeCase {
  const char* name;
  const char* keys;
};

class ClearingALongTape : public PaperTapeTest, public ::testing::WithParamInterface<LongTapeCase> {};

TEST_P(ClearingALongTape, LeavesOneGreySeparatorAndMarksThatSomethingCameBefore) {
  ouvrirBande();
  frappe(QString::fromUtf8(GetParam().keys));
  ASSERT_GE(texte::Len(champ().text()), 2);

  effacerBande();
  EXPECT_EQ(champ().text(), sep());
  EXPECT_EQ(champ().colorAt(0), kGris);
  EXPECT_EQ(champ().scrollPosition(), 5);
  EXPECT_TRUE(champ().widget()->isVisible());
  // The next line written starts below a "..." line.
  frappe(QStringLiteral("加"));
  EXPECT_TRUE(champ().text().startsWith(QStringLiteral("...") + sep()));
}

// Clearing during an entry is ClearingWhileAFirstOperandIsEnteredKeepsItBehindTheMark.
INSTANTIATE_TEST_SUITE_P(Tapes, ClearingALongTape,
                         ::testing::Values(LongTapeCase{"AfterAResult", "十二加三="},
                                           LongTapeCase{"AfterAnOperator", "十二加三减"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
