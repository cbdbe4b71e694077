#include "calculator/historique.h"

#include "app/App.h"

Historique::Historique(App& app) : tligne{QString(), QString()}, vligne{0.0, 0.0}, app_(app) {}

void Historique::redim(int n) {
  while (tligne.size() > n + 1) tligne.removeLast();
  while (tligne.size() < n + 1) tligne.append(QString());
  while (vligne.size() > n + 1) vligne.removeLast();
  while (vligne.size() < n + 1) vligne.append(0.0);
}

// TODO(history).
void Historique::modifiertligne() {}
void Historique::ajouterop() {}
void Historique::rafraichirw1() {}
