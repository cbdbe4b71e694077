#include <algorithm>
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

const std::array<Ligne, 16> kLignes = {{
    {{1, &App::c1}, {U'一', U'壹', 0}},
    {{2, &App::c2}, {U'二', U'贰', U'貳'}},
    {{3, &App::c3}, {U'三', U'叁', U'參'}},
    {{4, &App::c4}, {U'四', U'肆', 0}},
    {{5, &App::c5}, {U'五', U'伍', 0}},
    {{6, &App::c6}, {U'六', U'陆', U'陸'}},
    {{7, &App::c7}, {U'七', U'柒', 0}},
    {{8, &App::c8}, {U'八', U'捌', 0}},
    {{9, &App::c9}, {U'九', U'玖', 0}},
    {{ChinoisArabe::kDix, &App::c10}, {U'十', U'拾', 0}},
    {{ChinoisArabe::kCent, &App::c100}, {U'百', U'佰', 0}},
    {{ChinoisArabe::kMille, &App::c1000}, {U'千', U'仟', 0}},
    {{ChinoisArabe::kWan, &App::c104}, {U'万', U'萬', 0}},
    {{ChinoisArabe::kYi, &App::c108}, {U'亿', U'億', 0}},
    {{ChinoisArabe::kMoins, &App::cn}, {U'负', U'負', 0}},
    {{ChinoisArabe::kPoint, &App::cp}, {U'点', U'點', 0}},
}};

struct Entree {
  char32_t caractere;
  const Sens* sens;
  bool operator<(const Entree& other) const { return caractere < other.caractere; }
};

// Every recognised character, sorted for a binary search.
const std::vector<Entree>& index() {
  static const std::vector<Entree> entrees = [] {
    std::vector<Entree> v;
    for (const Ligne& ligne : kLignes) {
      for (char32_t c : ligne.caracteres) {
        if (c != 0) v.push_back({c, &ligne.sens});
      }
    }
    std::sort(v.begin(), v.end());
    return v;
  }();
  return entrees;
}

bool estCaractere(QChar q, int code) {
  for (const Ligne& ligne : kLignes) {
    if (ligne.sens.code != code) continue;
    for (char32_t c : ligne.caracteres) {
      if (c != 0 && q.unicode() == c) return true;
    }
  }
  return false;
}

}  // namespace

const Sens* sensDe(char32_t c) {
  const std::vector<Entree>& entrees = index();
  const auto it = std::lower_bound(entrees.begin(), entrees.end(), Entree{c, nullptr});
  return it != entrees.end() && it->caractere == c ? it->sens : nullptr;
}

bool estMoins(const QString& text) { return text.size() == 1 && estCaractere(text[0], ChinoisArabe::kMoins); }

bool contientYiLing(const QString& text) {
  const QChar ling(0x96F6);  // 零
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i + 1] == ling && estCaractere(text[i], ChinoisArabe::kYi)) return true;
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
  // Walks the text once; every character is looked up, also after a refusal, so that a later
  // character of another table still records the mismatch.
  const std::u32string caracteres = platform::CodePoints(textaarabiser);
  for (char32_t c : caracteres) {
    fpr.c = platform::FromCodePoints(std::u32string_view(&c, 1));
    if (const caracteresreconnus::Sens* sens = caracteresreconnus::sensDe(c)) {
      valeur = sens->code;
      if (fpr.c != app_.*(sens->courant) && fouimaisdemandee == 0) fouimaisdemandee = 1;
      arrivage();
    } else if (fpr.c == app_.cz) {
      valeur = 0;
      arrivage();
    } else {
      refuse();
    }
  }
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
  fouimais::get().setVisible(false);
  fouimaisdemandee = 0;
  initialisernombre();
  fpr.EFcr->setText(QString());
  textaarabiser = rogne;
  app_.position = 2;
  arabisertexte();
}
