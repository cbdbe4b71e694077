// Fuzz target for the reader and the writer: the first byte chooses the character table and
// the road (the Chinese field, the Arabic field, the calculator keys, a value written), the
// rest is the text, in UTF-8, or the value's bytes.

#include <QRegularExpression>
#include <cstdint>
#include <cstring>

#include "calcul/calculette.h"
#include "numeraux/caracteresreconnus.h"
#include "numeraux/chartables.h"
#include "rules/vue_memoire.h"

namespace {

// What the reader may leave in the Arabic field: nothing, a minus, a number or its marker.
bool texteArabeValide(const QString& texte) {
  static const QRegularExpression nombre(QStringLiteral("^(-|-?[0-9]+(\\.[0-9]*)?)?$"));
  return texte == ChinoisArabe::kTexteRefuse || nombre.match(texte).hasMatch();
}

// Each character as the calculator's key of its meaning, with a few ASCII keys for the rest of
// the keypad: + - * / for the operators, = for equals, a backspace for one step back, < for
// clear.
void frapper(Calculette& calc, const QString& texte) {
  for (const char32_t c : texte.toUcs4()) {
    switch (c) {
      case U'+':
        calc.toucheoperateur(1, calc.cplus);
        break;
      case U'-':
        calc.toucheoperateur(2, calc.cmoins);
        break;
      case U'*':
        calc.toucheoperateur(3, calc.cfois);
        break;
      case U'/':
        calc.toucheoperateur(4, calc.cpar);
        break;
      case U'=':
        calc.toucheegale();
        break;
      case U'\b':
        calc.unpas();
        break;
      case U'<':
        calc.effacertout();
        break;
      default: {
        const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c);
        if (sens == nullptr && c != U'零') break;
        calc.touche(QString::fromUcs4(&c, 1), sens != nullptr ? sens->code : 0);
        break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t choix = data[0];
  const char* reste = reinterpret_cast<const char*>(data + 1);
  const auto taille = static_cast<qsizetype>(size - 1);

  VueMemoire vue;
  vue.bandeOuverte = (choix & 0x80) != 0;
  Calculette calc{vue};
  chartables::appliquer(calc, *chartables::kTables[choix & 3]);
  calc.demarrer();

  switch ((choix >> 2) & 3) {
    case 0:
      calc.position = 2;
      vue.chinois_ = QString::fromUtf8(reste, taille);
      calc.chinoisarabe.cachange();
      if (!texteArabeValide(vue.arabe())) __builtin_trap();
      break;
    case 1:
      calc.position = 3;
      vue.arabe_ = QString::fromUtf8(reste, taille);
      calc.arabechinois.crchange();
      break;
    case 2:
      frapper(calc, QString::fromUtf8(reste, taille));
      break;
    case 3: {
      double valeur = 0;
      std::memcpy(&valeur, reste, std::min(sizeof valeur, static_cast<size_t>(taille)));
      calc.arabechinois.tradenchinoisdevaleur(valeur);
      calc.arabechinois.tradenarabedevaleur(valeur);
      break;
    }
  }
  return 0;
}
