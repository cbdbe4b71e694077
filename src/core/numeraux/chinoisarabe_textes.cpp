#include <array>
#include <vector>

#include "numeraux/caracteresreconnus.h"
#include "numeraux/chinoisarabe.h"
#include "numeraux/reusedbuffer.h"
#include "texte/text.h"

namespace caracteresreconnus {

namespace {

using chartables::Table;

// The meanings in rank order.
const std::array<Sens, kNombreDeSens> kSens = {{
    {1, &Caracteres::c1, &Table::c1},
    {2, &Caracteres::c2, &Table::c2},
    {3, &Caracteres::c3, &Table::c3},
    {4, &Caracteres::c4, &Table::c4},
    {5, &Caracteres::c5, &Table::c5},
    {6, &Caracteres::c6, &Table::c6},
    {7, &Caracteres::c7, &Table::c7},
    {8, &Caracteres::c8, &Table::c8},
    {9, &Caracteres::c9, &Table::c9},
    {ChinoisArabe::kDix, &Caracteres::c10, &Table::c10},
    {ChinoisArabe::kCent, &Caracteres::c100, &Table::c100},
    {ChinoisArabe::kMille, &Caracteres::c1000, &Table::c1000},
    {ChinoisArabe::kWan, &Caracteres::c104, &Table::c104},
    {ChinoisArabe::kYi, &Caracteres::c108, &Table::c108},
    {ChinoisArabe::kMoins, &Caracteres::cn, &Table::cn},
    {ChinoisArabe::kPoint, &Caracteres::cp, &Table::cp},
}};

// Every numeral character of the tables lies among the CJK ideographs.
constexpr char32_t kPremier = 0x4E00;
constexpr char32_t kDernier = 0x9FFF;

// The rank of the meaning of each ideograph, -1 for none: one look-up per character.
const std::vector<signed char>& rangs() {
  static const std::vector<signed char> table = [] {
    std::vector<signed char> t(kDernier - kPremier + 1, -1);
    for (const Table* chartable : chartables::kTables) {
      for (int rang = 0; rang < kNombreDeSens; ++rang) {
        const auto c = static_cast<char32_t>(texte::Asc(QString::fromUtf8(chartable->*(kSens[rang].colonne))));
        t[c - kPremier] = static_cast<signed char>(rang);
      }
    }
    return t;
  }();
  return table;
}

bool aLeSens(char32_t c, int code) {
  const Sens* sens = sensDe(c);
  return sens != nullptr && sens->code == code;
}

}  // namespace

const Sens& sensDeRang(int rang) { return kSens.at(static_cast<size_t>(rang)); }

int rangDe(char32_t c) { return c < kPremier || c > kDernier ? -1 : rangs()[c - kPremier]; }

const Sens* sensDe(char32_t c) {
  const int rang = rangDe(c);
  return rang < 0 ? nullptr : &kSens[static_cast<size_t>(rang)];
}

bool estMoins(const QString& text) { return text.size() == 1 && aLeSens(text[0].unicode(), ChinoisArabe::kMoins); }

bool contientYiLing(const QString& text) {
  const QChar ling(0x96F6);  // 零
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i + 1] == ling && aLeSens(text[i].unicode(), ChinoisArabe::kYi)) return true;
  }
  return false;
}

BoutsBlancs boutsBlancs(const QString& text) {
  qsizetype debut = 0;
  qsizetype fin = text.size();
  while (fin > debut && text[fin - 1].unicode() < 33) --fin;
  while (debut < fin && text[debut].unicode() < 33) ++debut;
  // Blanks are single units, so their counts are counts of characters.
  return {static_cast<int>(debut), static_cast<int>(text.size() - fin)};
}

}  // namespace caracteresreconnus

void ChinoisArabe::arabisertexte() {
  if (textaarabiser.isEmpty() && hote_.routage() == 1) {
    hote_.montrerTexteVide();
    return;
  }
  // The current table's characters, to which the text's are compared for the note.
  auto caractereSeul = [](const QString& s) -> char32_t {
    if (s.size() == 1) return s[0].unicode();
    if (s.size() == 2 && s[0].isHighSurrogate() && s[1].isLowSurrogate()) return QChar::surrogateToUcs4(s[0], s[1]);
    return 0;
  };
  std::array<char32_t, caracteresreconnus::kNombreDeSens> courants{};
  for (int rang = 0; rang < caracteresreconnus::kNombreDeSens; ++rang) {
    courants[static_cast<size_t>(rang)] = caractereSeul(car_.*(caracteresreconnus::sensDeRang(rang).courant));
  }
  const char32_t zero = caractereSeul(car_.cz);

  // Walks the text once, a character (a code point) at a time; every character is looked up,
  // also after a refusal, so that a later character of another table still records the
  // mismatch.
  const QString texte = textaarabiser;
  const qsizetype taille = texte.size();
  reserveOnce(textactuel, textactuel.size() + taille);
  lectureEnCours_ = true;
  qsizetype i = 0;
  qsizetype debut = 0;
  while (i < taille) {
    debut = i;
    char32_t c = texte[i].unicode();
    ++i;
    if (QChar::isHighSurrogate(c) && i < taille && texte[i].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(texte[i - 1], texte[i]);
      ++i;
    }
    const int rang = caracteresreconnus::rangDe(c);
    if (rang >= 0 && fouimaisdemandee == 0 && c != courants[static_cast<size_t>(rang)]) {
      fouimaisdemandee = 1;
    }
    // A refused converter text ignores its numerals and shows its marker already: the rest
    // needs only the look-up.
    if (efcamauvais && hote_.routage() == 2) continue;
    // Past the fourteenth digit every numeral is ignored.
    if (sature == 1 && (rang >= 0 || c == zero)) continue;
    entree_ = QStringView(texte).mid(debut, i - debut);
    if (rang >= 0) {
      valeur = caracteresreconnus::sensDeRang(rang).code;
      arrivage();
    } else if (c == zero && zero != 0) {
      valeur = 0;
      arrivage();
    } else {
      refuse();
    }
  }
  lectureEnCours_ = false;
  entree_ = {};
  publier();
  // The character taken in is the text's last, as if each had been.
  if (taille > 0) assignKeepingCapacity(caractereEnCours, QStringView(texte).mid(debut));
  // A refused text never shows the note.
  if (fouimaisdemandee == 1 && hote_.montrerNote()) fouimaisdemandee = -1;
  if (hote_.routage() == 2) efcamauvais = false;
}

void ChinoisArabe::cachange() {
  // The text change raised by writing the trimmed text back: this run reads it.
  if (ecritureEnCours_) return;
  // The field loses its blank ends in one step, whatever their number.
  ecritureEnCours_ = true;
  const QString rogne = hote_.champChinoisRogne();
  ecritureEnCours_ = false;
  // Only the user's typing in the Chinese field is read back; the writer's output is not.
  if (hote_.routage() != 2) return;
  fouimaisdemandee = 0;
  hote_.lectureDuChamp();
  initialisernombre();
  textaarabiser = rogne;
  arabisertexte();
}
