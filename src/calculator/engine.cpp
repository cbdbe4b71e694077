#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "platform/application.h"
#include "platform/text.h"
#include "strings/langues.h"

namespace {

bool sameWord(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

void App::initialisercalculette() {
  Fpr& fpr = Fpr::get();
  N1texte.clear();
  N2texte.clear();
  N3texte.clear();
  N1valeur = 0;
  N2valeur = 0;
  N3valeur = 0;
  persev = false;
  chinoisarabe.initialisernombre();
  operation = 0;
  position = 1;
  etat = 0;
  fpr.STopera->setText(QString());
  fpr.Canvas4->setFocus();
  fpr.refresh(true);
  fpr.StaticText11->setText(QString());
  fpr.StaticText13->setText(QString());

  // The calculation in progress leaves the tape; its finished part stays.
  ecriresurbande.viderEnCours();

  // The history of the discarded calculation goes too, so that stepping back in the new one
  // cannot bring back its operator and running total.
  historique.vider();
}

void App::operationdemandee() {
  finoperation = FinOperation::normale;
  Fpr& fpr = Fpr::get();
  if (etat == 0) {
    // The display holds the first operand.
    N1texte = fpr.StaticText1->text();
    chinoisarabe.textaarabiser = N1texte;
    chinoisarabe.initialisernombre();
    chinoisarabe.arabisertexte();
    N1valeur = chinoisarabe.actuel * chinoisarabe.negatif;
    historique.noterTotal(N1valeur);
  } else if (etat == 1) {
    effectueroperation();
    if (finoperation == FinOperation::divisionparzero) return;
    if (finoperation == FinOperation::horslimites) return;
    N1texte = N3texte;
    N1valeur = N3valeur;
    historique.noterTotal(N1valeur);
  } else if (etat == 2) {
    // The full result, not the value of its written text, is the running total.
    N1valeur = N3valeur;
    historique.noterTotal(N1valeur);
  }
  fpr.StaticText1->setText(QString());
  fpr.Canvas4->setFocus();
  position = 1;
  fpr.refresh(true);
  chinoisarabe.initialisernombre();
  etat = 1;
}

void App::egaledemande() {
  finoperation = FinOperation::normale;
  Fpr& fpr = Fpr::get();
  if (etat != 1 || fpr.StaticText1->text().isEmpty()) return;
  effectueroperation();
  if (finoperation == FinOperation::divisionparzero) return;
  if (finoperation == FinOperation::horslimites) {
    platform::ClearFocus();
    return;
  }

  fpr.StaticText1->setText(N3texte);
  adapterecran();
  fpr.Canvas4->setFocus();
  position = 1;
  fpr.refresh(true);

  n0valeur = N3valeur;
  fpr.StaticText11->setText(arabechinois.tradenarabedevaleur(n0valeur));

  fpr.STopera->setText(ce);
  actualiserst13();

  // The equals line and the result close the calculation on the tape and in the history.
  ecriresurbande.op();
  historique.ajouterop();
  ecriresurbande.modifierligne();
  ecriresurbande.definitiver();
  ecriresurbande.rafraichir();
  historique.modifiertligne();

  fpr.Canvas4->setFocus();
  position = 1;
  fpr.refresh(true);
  etat = 2;

  historique.recommencer(N3texte, N3valeur);
  persev = true;
}

void App::effectueroperation() {
  Fpr& fpr = Fpr::get();
  N2texte = fpr.StaticText1->text();
  // Reading the display anew rebuilds the reader's state from the second operand.
  chinoisarabe.initialisernombre();
  chinoisarabe.textaarabiser = N2texte;
  chinoisarabe.arabisertexte();
  N2valeur = chinoisarabe.actuel * chinoisarabe.negatif;

  switch (operation) {
    case 1:
      N3valeur = N1valeur + N2valeur;
      break;
    case 2:
      N3valeur = N1valeur - N2valeur;
      break;
    case 3:
      N3valeur = N1valeur * N2valeur;
      break;
    case 4:
      if (N2valeur == 0) {  // also true for a negative zero
        finoperation = FinOperation::divisionparzero;
        platform::MsgBox(langues::lxparzero());
        return;
      }
      N3valeur = N1valeur / N2valeur;
      break;
    default:
      break;
  }

  chinoisarabe.textactuel.clear();
  N3texte = arabechinois.tradenchinoisdevaleur(N3valeur);
  if (arabechinois.tropbig) {
    // The second operand stays on the display, and the user may go on typing it.
    finoperation = FinOperation::horslimites;
    chinoisarabe.textactuel = N2texte;
    fpr.StaticText11->setText(arabechinois.tradenarabedevaleur(N2valeur));
  }
}

void App::adapterecran() {
  platform::StaticText& display = *Fpr::get().StaticText1;
  display.setTextSize(platform::Len(display.text()) < 25 ? 20 : 17);
}

void App::actualiserst13() {
  Fpr& fpr = Fpr::get();
  const QString shown = fpr.STopera->text();
  QString symbol;
  if (!shown.isEmpty()) {
    // The last word that matches decides.
    const std::pair<const QString*, const char*> words[] = {
        {&ce, "="}, {&cplus, "+"}, {&cmoins, "-"}, {&cfois, "x"}, {&cpar, "\u00F7"}};
    for (const auto& [word, sign] : words) {
      if (sameWord(shown, *word)) symbol = QString::fromUtf8(sign);
    }
  }
  fpr.StaticText13->setText(symbol);
}

bool App::verifier1italique() {
  platform::ClearFocus();
  return Fpr::get().StaticText11->italic();
}

// Read while the user types into the Chinese converter field: it must not take that field's
// focus away.
bool App::verifier2italique() { return Fpr::get().EFcr->italic(); }

bool App::derniereOperationArretee() const { return finoperation != FinOperation::normale; }
