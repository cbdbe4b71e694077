#include "calculator/ecriresurbande.h"

#include "app/App.h"

EcrireSurBande::EcrireSurBande(App& app) : ligne{QString(), QString()}, app_(app) {}

void EcrireSurBande::redimligne(int n) {
  while (ligne.size() > n + 1) ligne.removeLast();
  while (ligne.size() < n + 1) ligne.append(QString());
}

// TODO(tape).
void EcrireSurBande::rafraichir() {}
void EcrireSurBande::modifierligne() {}
void EcrireSurBande::op() {}
void EcrireSurBande::definitiver() {}
void EcrireSurBande::effacerprovisoir() {}
void EcrireSurBande::effaceropera() {}
void EcrireSurBande::effacertout() {}
