#include "numerals/arabechinois.h"

#include "app/App.h"

// TODO(writer).
void ArabeChinois::crchange() {}
void ArabeChinois::chinoisertexte() {}
QString ArabeChinois::tradenchinoisdevaleur(double) { return {}; }
QString ArabeChinois::tradenarabedevaleur(double) { return {}; }
void ArabeChinois::brutanet() {}
void ArabeChinois::partieentiere() {}
QString ArabeChinois::puiss(int) const { return {}; }
void ArabeChinois::partiedecimale() {}
void ArabeChinois::affichertradenchinois() {}
void ArabeChinois::erreur() {}
void ArabeChinois::tropgrand() {}
