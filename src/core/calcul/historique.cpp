#include "calcul/historique.h"

#include "texte/text.h"

Historique::Historique(Vue& vue, const EtatApp& etat)
    : tligne{QString(), QString()}, vligne{0.0, 0.0}, oligne{0, 0}, vue_(vue), etat_(etat) {}

void Historique::redim(int n) {
  while (tligne.size() > n + 1) tligne.removeLast();
  while (tligne.size() < n + 1) tligne.append(QString());
  while (vligne.size() > n + 1) vligne.removeLast();
  while (vligne.size() < n + 1) vligne.append(0.0);
  oligne.resize(n + 1);
}

int Historique::etapeCourante() {
  if (jj < 0) jj = 0;
  if (tligne.size() < jj + 1 || vligne.size() < jj + 1 || oligne.size() < jj + 1) redim(jj);
  return jj;
}

void Historique::modifiertligne() {
  const int etape = etapeCourante();
  tligne[etape] = vue_.affichage();
  rafraichirw1();
}

void Historique::noterTotal(double total) { vligne[etapeCourante()] = total; }

void Historique::ajouterop() {
  if (jj < 0) jj = 0;
  ++jj;
  redim(jj);
  tligne[jj] = vue_.operateur();
  vligne[jj] = 0;
  oligne[jj] = etat_.operation;
  ++jj;
  redim(jj);
  rafraichirw1();
}

void Historique::remplacerop() {
  if (jj < 1) return;
  tligne[jj - 1] = vue_.operateur();
  oligne[jj - 1] = etat_.operation;
  rafraichirw1();
}

void Historique::rafraichirw1() {
  // Built whole, then written once: the field changes once per step.
  QString text;
  const QString gap = QStringLiteral("     ");
  const QString sep = texte::Chr(12);
  for (int k = 0; k <= jj && k < tligne.size() && k < vligne.size(); ++k) {
    text += tligne[k];
    text += gap;
    text += texte::Str(vligne[k]);
    text += sep;
  }
  textew1 = text;
  vue_.historiqueChange();
}

void Historique::recommencer(const QString& texte, double valeur) {
  jj = 0;
  redim(1);
  tligne[0] = texte;
  vligne[0] = valeur;
  tligne[1].clear();
  vligne[1] = 0;
  oligne.fill(0);
  rafraichirw1();
}

void Historique::vider() { recommencer(QString(), 0); }
