#include "numeraux/ecrivain.h"

Ecriture Ecrivain::ecrire(double valeur) {
  QString chinois = ecrivain_.tradenchinoisdevaleur(valeur);
  return {std::move(chinois), ecrivain_.tropbig};
}

Ecriture Ecrivain::ecrire(const QString& arabe) {
  ecrivain_.stoperreur = false;
  ecrivain_.textachinoiserbrut = arabe;
  ecrivain_.negatifa = 1;
  ecrivain_.tradenchinois.clear();
  ecrivain_.chinoisertexte();
  return {ecrivain_.tradenchinois, ecrivain_.tropbig};
}
