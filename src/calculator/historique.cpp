#include "calculator/historique.h"

#include "app/App.h"
#include "calculator/w1.h"
#include "mainwindow/Fpr.h"
#include "platform/text.h"

Historique::Historique(App& app) : tligne{QString(), QString()}, vligne{0.0, 0.0}, app_(app) {}

void Historique::redim(int n) {
  while (tligne.size() > n + 1) tligne.removeLast();
  while (tligne.size() < n + 1) tligne.append(QString());
  while (vligne.size() > n + 1) vligne.removeLast();
  while (vligne.size() < n + 1) vligne.append(0.0);
}

int Historique::etapeCourante() {
  if (jj < 0) jj = 0;
  if (tligne.size() < jj + 1 || vligne.size() < jj + 1) redim(jj);
  return jj;
}

void Historique::modifiertligne() {
  const int etape = etapeCourante();
  tligne[etape] = Fpr::get().StaticText1->text();
  rafraichirw1();
}

void Historique::noterTotal(double total) { vligne[etapeCourante()] = total; }

void Historique::ajouterop() {
  if (jj < 0) jj = 0;
  ++jj;
  redim(jj);
  tligne[jj] = Fpr::get().STopera->text();
  vligne[jj] = 0;
  ++jj;
  redim(jj);
  rafraichirw1();
}

void Historique::rafraichirw1() {
  // Built whole, then written once: the field changes once per step.
  QString text;
  const QString gap = QStringLiteral("     ");
  const QString sep = platform::Chr(12);
  for (int k = 0; k <= jj && k < tligne.size() && k < vligne.size(); ++k) {
    text += tligne[k];
    text += gap;
    text += platform::Str(vligne[k]);
    text += sep;
  }
  w1::get().ed1->setText(text);
}

void Historique::recommencer(const QString& texte, double valeur) {
  jj = 0;
  redim(1);
  tligne[0] = texte;
  vligne[0] = valeur;
  tligne[1].clear();
  vligne[1] = 0;
  rafraichirw1();
}

void Historique::vider() { recommencer(QString(), 0); }
