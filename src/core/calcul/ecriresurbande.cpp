#include "calcul/ecriresurbande.h"

#include "texte/text.h"

namespace {

const QString& separateur() {
  static const QString sep = texte::Chr(12);
  return sep;
}

const QString points3 = QStringLiteral("...");

}  // namespace

EcrireSurBande::EcrireSurBande(Vue& vue, EtatApp& etat) : ligne{QString(), QString()}, vue_(vue), etat_(etat) {}

void EcrireSurBande::redimligne(int n) {
  while (ligne.size() > n + 1) ligne.removeLast();
  while (ligne.size() < n + 1) ligne.append(QString());
}

QString& EcrireSurBande::ligneCourante() {
  if (ii < 0) ii = 0;
  if (ligne.size() < ii + 1) redimligne(ii);
  return ligne[ii];
}

void EcrireSurBande::rafraichir() {
  textebandeprovisoir.clear();
  for (int k = 0; k <= ii && k < ligne.size(); ++k) {
    textebandeprovisoir += ligne[k];
    textebandeprovisoir += separateur();
  }
  if (!textebandedefinitif.isEmpty()) {
    textebande = textebandedefinitif + separateur() + textebandeprovisoir;
  } else if (points != points3) {
    textebande = textebandeprovisoir;
  } else {
    textebande = points + separateur() + textebandeprovisoir;
  }

  // The tape window is written only while it is shown; while closed it is not even built.
  if (!vue_.bandeMontree()) return;
  vue_.ecrireBande(textebande, texte::Len(textebandedefinitif));
}

void EcrireSurBande::modifierligne() {
  const QString shown = vue_.affichage();
  ligneCourante() = shown;
  // An operand deleted down to nothing right after the tape was cleared: the pending
  // operator comes back onto the tape.
  if (shown.isEmpty() && ii == 0 && points == points3) {
    op();
  }
  if (attenteop && ligne[ii] != texte::Left(temoin, texte::Len(ligne[ii]))) attenteop = false;
  rafraichir();
}

void EcrireSurBande::op() {
  const QString word = vue_.operateur();
  QString& current = ligneCourante();
  if (attenteop) {
    // The number cleared from the tape is still being entered: the operator takes its place.
    current = word;
    ++ii;
    redimligne(ii);
    ligne[ii].clear();
    attenteop = false;
  } else if (!current.isEmpty()) {
    ++ii;
    redimligne(ii);
    ligne[ii] = word;
    ++ii;
    redimligne(ii);
    ligne[ii].clear();
  } else if (ii != 0 && ligne[ii - 1] != points3) {
    // An operator right after another replaces it.
    ligne[ii - 1] = word;
    ligne[ii].clear();
  } else if (ii == 0) {
    // After a result the new operator runs on from the result line, which becomes the first
    // operand: the separator that closed it goes.
    if (!textebandedefinitif.isEmpty()) textebandedefinitif.chop(1);
    ligne[0] = word;
    ii = 1;
    redimligne(1);
    ligne[1].clear();
  }
  rafraichir();
}

void EcrireSurBande::definitiver() {
  textebandedefinitif = textebande;
  points.clear();
  ii = 0;
  ligneCourante().clear();
  textebandeprovisoir.clear();
}

void EcrireSurBande::effacerprovisoir() {
  ii = 0;
  ligneCourante().clear();
  textebandeprovisoir.clear();
  if (etat_.persev) {
    textebandedefinitif += separateur();
    etat_.persev = false;
  }
  rafraichir();
}

void EcrireSurBande::effaceropera() {
  ii -= 2;
  const QString shown = vue_.affichage();
  const QString word = vue_.operateur();
  if (!shown.isEmpty() && !word.isEmpty() && word.compare(etat_.ce, Qt::CaseInsensitive) == 0) {
    // Back at a finished result: it closes the finished tape again.
    textebande = textebandedefinitif + separateur();
    definitiver();
  } else if (ii < 0) {
    ii = 0;
    ligneCourante() = shown;
    if (word.isEmpty()) points.clear();
  }
  rafraichir();
}

void EcrireSurBande::viderEnCours() {
  ii = 0;
  textebande.clear();
  textebandeprovisoir.clear();
  redimligne(1);
  ligne[0].clear();
  ligne[1].clear();
  points.clear();
  rafraichir();
}

void EcrireSurBande::effacertout() {
  if (texte::Len(textebande) >= 2) {
    const QString& current = ligneCourante();
    if (!current.isEmpty()) {
      attenteop = true;
      temoin = current;
    } else {
      attenteop = false;
    }
    textebandedefinitif.clear();
    viderEnCours();
    points = points3;
  }
  // Called by the tape window's clear button; never builds a window that is not there.
  vue_.remonterBande();
}
