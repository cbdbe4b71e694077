#include <array>
#include <vector>

#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "numerals/caracteresreconnus.h"
#include "numerals/chinoisarabe.h"
#include "numerals/fouimais.h"
#include "platform/text.h"

namespace caracteresreconnus {

namespace {

// Each meaning with its characters in the four tables.
struct Ligne {
  Sens sens;
  std::array<char32_t, 3> caracteres;  // 0 fills an unused place
};

const std::array<Ligne, kNombreDeSens> kLignes = {{
    {{1, &App::c1, 0}, {U'一', U'壹', 0}},
    {{2, &App::c2, 1}, {U'二', U'贰', U'貳'}},
    {{3, &App::c3, 2}, {U'三', U'叁', U'參'}},
    {{4, &App::c4, 3}, {U'四', U'肆', 0}},
    {{5, &App::c5, 4}, {U'五', U'伍', 0}},
    {{6, &App::c6, 5}, {U'六', U'陆', U'陸'}},
    {{7, &App::c7, 6}, {U'七', U'柒', 0}},
    {{8, &App::c8, 7}, {U'八', U'捌', 0}},
    {{9, &App::c9, 8}, {U'九', U'玖', 0}},
    {{ChinoisArabe::kDix, &App::c10, 9}, {U'十', U'拾', 0}},
    {{ChinoisArabe::kCent, &App::c100, 10}, {U'百', U'佰', 0}},
    {{ChinoisArabe::kMille, &App::c1000, 11}, {U'千', U'仟', 0}},
    {{ChinoisArabe::kWan, &App::c104, 12}, {U'万', U'萬', 0}},
    {{ChinoisArabe::kYi, &App::c108, 13}, {U'亿', U'億', 0}},
    {{ChinoisArabe::kMoins, &App::cn, 14}, {U'负', U'負', 0}},
    {{ChinoisArabe::kPoint, &App::cp, 15}, {U'点', U'點', 0}},
}};

// Every numeral character of the tables lies among the CJK ideographs.
constexpr char32_t kPremier = 0x4E00;
constexpr char32_t kDernier = 0x9FFF;

// The rank of the meaning of each ideograph, -1 for none: one look-up per character.
const std::vector<signed char>& rangs() {
  static const std::vector<signed char> table = [] {
    std::vector<signed char> t(kDernier - kPremier + 1, -1);
    for (const Ligne& ligne : kLignes) {
      for (char32_t c : ligne.caracteres) {
        if (c != 0) t[c - kPremier] = static_cast<signed char>(ligne.sens.rang);
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

const Sens& sensDeRang(int rang) { return kLignes.at(static_cast<size_t>(rang)).sens; }

const Sens* sensDe(char32_t c) {
  if (c < kPremier || c > kDernier) return nullptr;
  const int rang = rangs()[c - kPremier];
  return rang < 0 ? nullptr : &kLignes[static_cast<size_t>(rang)].sens;
}

bool estMoins(const QString& text) { return text.size() == 1 && aLeSens(text[0].unicode(), ChinoisArabe::kMoins); }

bool contientYiLing(const QString& text) {
  const QChar ling(0x96F6);  // 零
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i + 1] == ling && aLeSens(text[i].unicode(), ChinoisArabe::kYi)) return true;
  }
  return false;
}

}  // namespace caracteresreconnus

namespace {

const QString kTexteRefuse = QStringLiteral("????????");

// A space or a control character, trimmed from both ends of the Chinese field.
bool aRogner(QChar c) { return c.unicode() < 33; }

}  // namespace

void ChinoisArabe::arabisertexte() {
  Fpr& fpr = Fpr::get();
  if (textaarabiser.isEmpty() && app_.position == 1) {
    fpr.StaticText11->setText(QString());
    app_.ecriresurbande.modifierligne();
    return;
  }
  // The current table's characters, to which the text's are compared for the note.
  auto caractereSeul = [](const QString& s) {
    return s.size() == 1 || (s.size() == 2 && s[0].isHighSurrogate() && s[1].isLowSurrogate())
               ? platform::CodePoints(s).front()
               : char32_t{0};
  };
  std::array<char32_t, caracteresreconnus::kNombreDeSens> courants{};
  for (int rang = 0; rang < caracteresreconnus::kNombreDeSens; ++rang) {
    courants[static_cast<size_t>(rang)] = caractereSeul(app_.*(caracteresreconnus::sensDeRang(rang).courant));
  }
  const char32_t zero = caractereSeul(app_.cz);

  // Walks the text once, a character (a code point) at a time; every character is looked up,
  // also after a refusal, so that a later character of another table still records the
  // mismatch.
  const QString texte = textaarabiser;
  const qsizetype taille = texte.size();
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
    const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c);
    if (sens != nullptr && fouimaisdemandee == 0 && c != courants[static_cast<size_t>(sens->rang)]) {
      fouimaisdemandee = 1;
    }
    // A refused converter text ignores its numerals and shows its marker already: the rest
    // needs only the look-up.
    if (efcamauvais && app_.position == 2) continue;
    // Past the fourteenth digit every numeral is ignored.
    if (sature == 1 && (sens != nullptr || c == zero)) continue;
    fpr.c = texte.mid(debut, i - debut);
    if (sens != nullptr) {
      valeur = sens->code;
      arrivage();
    } else if (c == zero && zero != 0) {
      valeur = 0;
      arrivage();
    } else {
      refuse();
    }
  }
  // The character taken in is the text's last, as if each had been.
  if (taille > 0) fpr.c = texte.mid(debut);
  // A refused text never shows the note.
  if (fouimaisdemandee == 1 && fpr.EFcr->text() != kTexteRefuse) {
    fouimais::get().setVisible(true);
    fouimaisdemandee = -1;
  }
  if (app_.position == 2) efcamauvais = false;
}

void ChinoisArabe::cachange() {
  // The text change raised by writing the trimmed text back: this run reads it.
  if (ecritureEnCours_) return;
  Fpr& fpr = Fpr::get();
  // Every space and control character at either end goes in one pass; the field gets the
  // trimmed text in a single write, whatever their number.
  const QString texte = fpr.EFca->text();
  qsizetype debut = 0;
  qsizetype fin = texte.size();
  while (fin > debut && aRogner(texte[fin - 1])) --fin;
  while (debut < fin && aRogner(texte[debut])) ++debut;
  const QString rogne = fin - debut == texte.size() ? texte : texte.mid(debut, fin - debut);
  if (rogne.size() != texte.size()) {
    ecritureEnCours_ = true;
    fpr.EFca->setText(rogne);
    ecritureEnCours_ = false;
  }
  // Only the user's typing in the Chinese field is read back; the writer's output is not.
  if (app_.position != 2) return;
  fpr.EFca->setFocus();
  fouimais::hide();
  fouimaisdemandee = 0;
  initialisernombre();
  fpr.EFcr->setText(QString());
  textaarabiser = rogne;
  app_.position = 2;
  arabisertexte();
}
