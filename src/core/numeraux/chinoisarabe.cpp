#include "numeraux/chinoisarabe.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "numeraux/caracteresreconnus.h"
#include "numeraux/reusedbuffer.h"
#include "texte/text.h"

namespace {

bool estChiffre(int code) { return code >= 1 && code <= 9; }

// Whole numbers below this are exact in a double and in a long long alike.
constexpr double kEntierExact = 1e15;

// The number of digits of a whole number, as its plain decimal writing has them ("0" has one).
int chiffresDe(double entier) {
  if (!(entier < kEntierExact)) return static_cast<int>(texte::Format(entier, QStringLiteral("#")).size());
  int chiffres = 1;
  for (double puissance = 10; entier >= puissance; puissance *= 10) ++chiffres;
  return chiffres;
}

double puissanceDeDix(int n) {
  static constexpr std::array<double, 17> puissances = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                                        1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};
  return n >= 0 && n < static_cast<int>(puissances.size()) ? puissances[static_cast<size_t>(n)] : std::pow(10.0, n);
}

}  // namespace

// ---- Taking a character ----

void ChinoisArabe::arrivage() {
  if (efcamauvais || sature == 1) return;
  // After a number that is only 零 (or 负零), only the point may follow.
  if (actuel == 0 && decimal == 0 && valeur != kPoint && !car_.cz.isEmpty() && textactuel.endsWith(car_.cz)) {
    refuse();
    return;
  }
  // A calculation result on the display takes no digits.
  if (hote_.routage() == 1 && hote_.resultatAffiche()) return;
  italique = 0;
  if (valeur == 0) {
    methodez();
  } else if (estChiffre(valeur)) {
    methodeunite();
  } else if (valeur == kDix || valeur == kCent || valeur == kMille) {
    methodepuissance();
  } else if (valeur == kWan || valeur == kYi) {
    methodeseparateur();
  } else if (valeur == kMoins) {
    methoden();
  } else if (valeur == kPoint) {
    methodep();
  }
}

bool ChinoisArabe::echoItalique() {
  // While a text is read, the echo of its last accepted character is still to be shown.
  if (hote_.routage() == 1) {
    const bool montre = hote_.echoAffichageItalique();
    return aPublier_ ? enItalique_ : montre;
  }
  if (hote_.routage() == 2) return aPublier_ ? enItalique_ : hote_.echoChampItalique();
  return false;
}

void ChinoisArabe::methoden() {
  if (longeur != 0) {
    refuse();
    return;
  }
  negatif = -1;
  accepte();
}

void ChinoisArabe::methodep() {
  if (decimal != 0) {
    refuse();
    return;
  }
  // No point after a value shown in italics.
  if (echoItalique()) {
    refuse();
    return;
  }
  decimal = 0.1;
  k = 1;
  accepte();
}

void ChinoisArabe::methodez() {
  if (dernierevaleur == kDix) {
    refuse();
    return;
  }
  if (decimal != 0) {
    // A decimal digit of value 0.
    methodeunite();
    return;
  }
  if (textactuel.isEmpty() || caracteresreconnus::estMoins(textactuel)) {
    ling = 1;
    accepte();
    return;
  }
  if (dernierevaleur < 10 || ling == 1) {
    refuse();
    return;
  }
  // Not exact until a digit follows.
  italique = 1;
  ling = 1;
  // Digits after 亿零 count as units.
  if (dernierevaleur == kYi) k = 1;
  accepte();
}

void ChinoisArabe::methodeunite() {
  if (decimal != 0) {
    actuel += valeur * decimal;
    decimal /= 10;
    ++rangdecimal;
    accepte();
    return;
  }
  if (estChiffre(dernierevaleur) || (dernierepuissance == kDix && ling == 1)) {
    refuse();
    return;
  }
  if (dernierepuissance == kDix && ling == 0) {
    // The digit after 十 is final.
    actuel += static_cast<double>(valeur) * k;
    Actuelreserve += valeur;
  } else if (dernierepuissance == 0 || ling == 1) {
    // A following power still multiplies it.
    actuel += static_cast<double>(valeur) * k;
    Actuelreserve += valeur;
    actuelprovisoire = 1;
  } else {
    // The abbreviated form: 三百五 is 350, 三万五 is 35000.
    const int poids = dernierepuissance / 10;
    actuel += static_cast<double>(poids) * valeur * k;
    Actuelreserve += poids * valeur;
    actuelprovisoire = 0;
    italique = 1;
  }
  accepte();
}

void ChinoisArabe::methodepuissance() {
  if (decimal != 0) {
    refuse();
    return;
  }
  // 一十 is written 十.
  if (valeur == kDix && actuel == 1) {
    refuse();
    return;
  }
  if (valeur == kDix && actuel == 0) {
    actuel = 10;
    dernierepuissance = kDix;
    accepte();
    return;
  }
  if (!estChiffre(dernierevaleur)) {
    refuse();
    return;
  }
  // Powers step down one at a time; after a separator only 千.
  if (ling == 0 && dernierepuissance != 0 && valeur * 10 != dernierepuissance) {
    refuse();
    return;
  }
  // After a zero the power lies at least two steps lower, except 亿零…千: the 万 group was
  // empty. That exception holds only while no power has come since 亿.
  if (ling == 1 && dernierepuissance < valeur * 100) {
    const bool milleApresYiLing = dernierseparateur == kYi && valeur == kMille && dernierepuissance == kWan;
    if (!milleApresYiLing) {
      refuse();
      return;
    }
  }
  if (actuelprovisoire == 1) {
    const int d = dernierevaleur;
    actuel = actuel - static_cast<double>(d) * k + static_cast<double>(valeur) * d * k;
    Actuelreserve = Actuelreserve - d + valeur * d;
  }
  dernierepuissance = valeur;
  actuelprovisoire = 0;
  ling = 0;
  accepte();
}

void ChinoisArabe::methodeseparateur() {
  if (decimal != 0 || actuel == 0) {
    refuse();
    return;
  }
  // Nothing between 万零 or 亿零 and a separator.
  if (dernierepuissance == kWan && !estChiffre(dernierevaleur) && ling == 1) {
    refuse();
    return;
  }
  // No separator after an abbreviated form (三百五万). A digit after 十 is final, and a digit
  // after a 零 is exact even while the echo waits for 万 to close the digits after 亿.
  if (ling == 0 && estChiffre(dernierevaleur) && dernierepuissance != kDix && echoItalique()) {
    refuse();
    return;
  }
  if (dernierevaleur == kWan || dernierevaleur == kYi) {
    refuse();
    return;
  }
  if (valeur == kYi) {
    // 亿 comes once and before any 万.
    if (dernierseparateur != 0) {
      refuse();
      return;
    }
    actuel *= 100000000.0;
    k = kWan;
    Actuelreserve = 0;
    ling = 0;
    dernierseparateur = kYi;
    dernierepuissance = kWan;
    accepte();
    return;
  }
  if (dernierseparateur == kWan) {
    refuse();
    return;
  }
  // 三亿零五千万: a 万 group of four digits leaves no gap for the 零.
  if (dernierseparateur == kYi && Actuelreserve > 999 && caracteresreconnus::contientYiLing(textactuel)) {
    refuse();
    return;
  }
  if (dernierseparateur == 0) {
    actuel *= 10000.0;
    Actuelreserve = 0;
  } else if (k == kWan) {
    // The digits after 亿 were counted in units of 万 already.
    k = 1;
  } else {
    // A zero followed 亿: the group was counted in units.
    actuel += static_cast<double>(Actuelreserve) * 9999;
    Actuelreserve = 0;
  }
  ling = 0;
  dernierseparateur = kWan;
  dernierepuissance = kWan;
  accepte();
}

// ---- Accepting and refusing ----

QString ChinoisArabe::texteArabe() const {
  const double entier = std::floor(actuel);
  const double fraction = decimal != 0 && decimal < 0.1 ? std::round((actuel - entier) / decimal * 0.1) : 0;
  if (entier >= 0 && entier < kEntierExact && fraction < kEntierExact && rangdecimal <= 15) {
    // Written straight into a buffer of Latin-1 digits: one allocation, for the result.
    std::array<char, 40> tampon{};
    char* p = tampon.data();
    char* const fin = p + tampon.size();
    if (negatif == -1) *p++ = '-';
    p = std::to_chars(p, fin, static_cast<long long>(entier)).ptr;
    if (decimal != 0) {
      *p++ = '.';
      if (decimal < 0.1) {
        // The decimal digits read, leading zeros included.
        std::array<char, 20> chiffres{};
        const char* finChiffres =
            std::to_chars(chiffres.data(), chiffres.data() + chiffres.size(), static_cast<long long>(fraction)).ptr;
        const auto n = static_cast<int>(finChiffres - chiffres.data());
        for (int z = n; z < rangdecimal; ++z) *p++ = '0';
        std::memcpy(p, chiffres.data(), static_cast<size_t>(n));
        p += n;
      }
    }
    return QString::fromLatin1(tampon.data(), p - tampon.data());
  }
  return texteArabeGeneral();
}

QString ChinoisArabe::texteArabeGeneral() const {
  QString texte;
  if (negatif == -1) texte += QLatin1Char('-');
  const double entier = texte::Floor(actuel);
  texte += texte::Format(entier, QStringLiteral("#"));
  if (decimal != 0) {
    texte += QLatin1Char('.');
    // The decimal digits read, leading zeros included.
    if (decimal < 0.1) {
      texte += texte::Format((actuel - entier) / decimal * 0.1, QString(rangdecimal, QLatin1Char('0')));
    }
  }
  return texte;
}

void ChinoisArabe::accepte() {
  ++longeur;
  dernierevaleur = valeur;
  if (lectureEnCours_) {
    textactuel += entree_;
  } else {
    textactuel += caractereEnCours;
  }
  // Inexact: an abbreviated form, a 零 awaiting its digit, digits after 亿 awaiting 万.
  enItalique_ = italique == 1 || (k == kWan && valeur != kYi && valeur != kPoint);
  aPublier_ = true;
  // A whole text shows only what its last accepted character leaves.
  if (!lectureEnCours_) publier();
  // The character that brings the digits to 14 is the last one read; an integer part 0
  // counts no digit.
  if (decimal == 0) return;
  const double entier = std::floor(actuel);
  const int zero = entier == 0 ? 1 : 0;
  if (decimal * puissanceDeDix(15 + zero - chiffresDe(entier)) < 1.1) sature = 1;
}

void ChinoisArabe::publier() {
  if (!aPublier_) return;
  aPublier_ = false;
  tradenarabe = texteArabe();
  hote_.montrerNombre(textactuel, tradenarabe, enItalique_, actuel * negatif);
}

void ChinoisArabe::refuse() {
  // The message shows the number as far as it was read.
  publier();
  hote_.montrerRefus();
  if (hote_.routage() == 2) efcamauvais = true;
}

void ChinoisArabe::initialisernombre() {
  valeur = 0;
  actuel = 0;
  negatif = 1;
  decimal = 0;
  rangdecimal = 0;
  dernierevaleur = 0;
  dernierepuissance = 0;
  dernierseparateur = 0;
  k = 1;
  ling = 0;
  Actuelreserve = 0;
  actuelprovisoire = 0;
  longeur = 0;
  sature = 0;
  efcamauvais = false;
  clearKeepingCapacity(textactuel);
  aPublier_ = false;
  hote_.montrerNombreNouveau();
}
