// The keypad's keys and the two delete keys, as the calculator takes them.

#include "calcul/calculette.h"
#include "texte/text.h"

namespace {

// The keys of hundred, thousand and the two separators: while a result is shown they have
// nothing to multiply.
bool estUnite(int code) {
  return code == ChinoisArabe::kCent || code == ChinoisArabe::kMille || code == ChinoisArabe::kWan ||
         code == ChinoisArabe::kYi;
}

}  // namespace

void Calculette::demarrer() {
  chinoisarabe.efcamauvais = false;
  vue_.setChinois(QString());
  position = 1;
  etat = 0;
  chinoisarabe.negatif = 1;
  chinoisarabe.fouimaisdemandee = -1;
  n0valeur = 0;
  chinoisarabe.initialisernombre();
  persev = false;
  ecriresurbande.ii = 0;
  ecriresurbande.textebande.clear();
  ecriresurbande.textebandedefinitif.clear();
  ecriresurbande.textebandeprovisoir.clear();
  ecriresurbande.points.clear();
}

Cible Calculette::touche(const QString& caractere, int code) {
  // The character is recorded first, whatever the key then does.
  chinoisarabe.caractereEnCours = caractere;
  if (position == 2) return Cible::chinois;
  // The same Chinese character goes into the Arabic field, judged there like typed text.
  if (position == 3) return Cible::arabe;
  if (position != 1) return Cible::aucune;
  if (etat == 2) {
    if (estUnite(code)) return Cible::aucune;
    // A digit starts a new calculation.
    initialisercalculette();
  }
  chinoisarabe.valeur = code;
  chinoisarabe.arrivage();
  return Cible::aucune;
}

void Calculette::toucheoperateur(int code, const QString& mot) {
  if (position != 1) return;
  const QString display = vue_.affichage();
  const QString shown = vue_.operateur();
  if (display.isEmpty() && shown.isEmpty()) return;
  // An operator just chosen with nothing typed after it: this one takes its place.
  const bool remplace = display.isEmpty() && shown != ce;

  if (!remplace) {
    if (verifier1italique()) {
      chinoisarabe.refuse();
      return;
    }
    operationdemandee();
    // Only what this very call met stops the key: a division by zero, or a result out of range.
    if (derniereOperationArretee()) {
      arabechinois.tropbig = false;
      return;
    }
  }

  operation = code;
  vue_.setOperateur(mot);
  actualiserst13();
  ecriresurbande.op();
  // The tape replaces its operator line; the history replaces its operator step alike, so a
  // later step back lands on the operand before it.
  if (remplace && historique.jj >= 1) {
    historique.remplacerop();
  } else {
    historique.ajouterop();
  }
  vue_.focus(Cible::affichage);
  position = 1;
  vue_.setEcho(QString());
}

void Calculette::toucheegale() {
  if (position != 1) return;
  if (verifier1italique()) {
    chinoisarabe.refuse();
    return;
  }
  egaledemande();
}

Cible Calculette::unpas() {
  if (position == 2) return Cible::chinois;
  if (position == 3) return Cible::arabe;
  if (position != 1 || etat == 2) return Cible::aucune;

  if (etat == 1 && vue_.affichage().isEmpty()) {
    // Step back over the last operator, to the operand before it, through the history.
    const int jj = historique.jj;
    if (jj < 2) return Cible::aucune;
    vue_.setAffichage(historique.tligne.value(jj - 2));
    adapterecran();
    if (jj < 3) {
      if (!persev) {
        // Back to the first operand: nothing is pending any more.
        etat = 0;
        operation = 0;
        vue_.setOperateur(QString());
        actualiserst13();
      } else {
        // Back to the result the calculation began from; the next operator takes it again.
        vue_.setOperateur(ce);
        actualiserst13();
        N3valeur = historique.vligne.value(0);
      }
    } else {
      // Back to an operand of a chain: the earlier operator is pending again, with the running
      // total as it stood then and the operation kept with its step.
      N1valeur = historique.vligne.value(jj - 4);
      vue_.setOperateur(historique.tligne.value(jj - 3));
      actualiserst13();
      operation = historique.oligne.value(jj - 3);
    }
    historique.jj = jj - 2;
    // The restored text becomes the number being entered, with its echo and value; the reset
    // also gives the display the focus.
    chinoisarabe.textaarabiser = vue_.affichage();
    chinoisarabe.initialisernombre();
    chinoisarabe.arabisertexte();
    ecriresurbande.effaceropera();
    if (vue_.operateur().compare(ce, Qt::CaseInsensitive) == 0) etat = 2;
    return Cible::aucune;
  }

  // Delete the last character: the shortened text is read again from a fresh reader.
  const QString display = vue_.affichage();
  chinoisarabe.textaarabiser = texte::Left(display, texte::Len(display) - 1);
  chinoisarabe.initialisernombre();
  chinoisarabe.arabisertexte();
  if (etat == 0 && vue_.affichage().isEmpty()) ecriresurbande.effacerprovisoir();
  if (vue_.operateur().isEmpty() && vue_.affichage().isEmpty()) {
    ecriresurbande.points.clear();
    ecriresurbande.rafraichir();
  }
  return Cible::aucune;
}

void Calculette::effacertout() {
  chinoisarabe.initialisernombre();
  if (position == 1) {
    const QString first = texte::Left(ecriresurbande.textebandeprovisoir, 1);
    initialisercalculette();
    // A calculation that ran on from a result took that result line's separator; give it back.
    if (!first.isEmpty() && (first == cad || first == csous || first == cdiv || first == cmu)) {
      ecriresurbande.textebandedefinitif += texte::Chr(12);
    }
  }
  if (position == 2) vue_.setChinois(QString());
  if (position == 3) vue_.setArabe(QString());
}
