#include "calcul/calculette.h"

#include "texte/text.h"

namespace {

bool sameWord(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

void Calculette::initialisercalculette() {
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
  // An out-of-range number of the calculation left behind no longer stops anything.
  arabechinois.tropbig = false;
  vue_.setOperateur(QString());
  vue_.focus(Cible::affichage);
  vue_.setEcho(QString());
  vue_.setSymbole(QString());

  // The calculation in progress leaves the tape; its finished part stays.
  ecriresurbande.viderEnCours();

  // The history of the discarded calculation goes too, so that stepping back in the new one
  // cannot bring back its operator and running total.
  historique.vider();
}

void Calculette::operationdemandee() {
  finoperation = FinOperation::normale;
  if (etat == 0) {
    // The display holds the first operand.
    N1texte = vue_.affichage();
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
  vue_.setAffichage(QString());
  vue_.focus(Cible::affichage);
  position = 1;
  chinoisarabe.initialisernombre();
  etat = 1;
}

void Calculette::egaledemande() {
  finoperation = FinOperation::normale;
  if (etat != 1 || vue_.affichage().isEmpty()) return;
  effectueroperation();
  if (finoperation == FinOperation::divisionparzero) return;
  if (finoperation == FinOperation::horslimites) {
    vue_.focus(Cible::aucune);
    return;
  }

  vue_.setAffichage(N3texte);
  adapterecran();
  vue_.focus(Cible::affichage);
  position = 1;

  n0valeur = N3valeur;
  vue_.setEcho(arabechinois.tradenarabedevaleur(n0valeur));

  vue_.setOperateur(ce);
  actualiserst13();

  // The equals line and the result close the calculation on the tape and in the history.
  ecriresurbande.op();
  historique.ajouterop();
  ecriresurbande.modifierligne();
  ecriresurbande.definitiver();
  ecriresurbande.rafraichir();
  historique.modifiertligne();

  vue_.focus(Cible::affichage);
  position = 1;
  etat = 2;

  historique.recommencer(N3texte, N3valeur);
  persev = true;
}

void Calculette::effectueroperation() {
  N2texte = vue_.affichage();
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
        vue_.message(Message::parzero);
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
    vue_.setEcho(arabechinois.tradenarabedevaleur(N2valeur));
  }
}

void Calculette::adapterecran() { vue_.setTailleAffichage(texte::Len(vue_.affichage()) < 25 ? 20 : 17); }

void Calculette::actualiserst13() {
  const QString shown = vue_.operateur();
  QString symbol;
  if (!shown.isEmpty()) {
    // The last word that matches decides.
    const std::pair<const QString*, const char*> words[] = {
        {&ce, "="}, {&cplus, "+"}, {&cmoins, "-"}, {&cfois, "x"}, {&cpar, "\u00F7"}};
    for (const auto& [word, sign] : words) {
      if (sameWord(shown, *word)) symbol = QString::fromUtf8(sign);
    }
  }
  vue_.setSymbole(symbol);
}

bool Calculette::verifier1italique() {
  vue_.focus(Cible::aucune);
  return vue_.echoItalique();
}

// Read while the user types into the Chinese converter field: it must not take that field's
// focus away.
bool Calculette::verifier2italique() { return vue_.arabeItalique(); }

bool Calculette::derniereOperationArretee() const { return finoperation != FinOperation::normale; }
