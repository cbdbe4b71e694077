#pragma once
// The calculator methods of the application object on its shared state, with the reader, the
// writer, the paper tape and the history that they drive; everything the windows show goes
// through the Vue.

#include "calcul/ecriresurbande.h"
#include "calcul/etatapp.h"
#include "calcul/historique.h"
#include "calcul/vue.h"
#include "numeraux/arabechinois.h"
#include "numeraux/chinoisarabe.h"

// The reader and the writer read and write for it: it shows what they produce.
class Calculette : public EtatApp, private ChinoisArabe::Hote, private ArabeChinois::Hote {
 public:
  explicit Calculette(Vue& vue) : ecriresurbande(vue, *this), historique(vue, *this), vue_(vue) {}
  Calculette(const Calculette&) = delete;
  Calculette& operator=(const Calculette&) = delete;

  Vue& vue() const { return vue_; }

  // Module state, one of each per running application.
  ChinoisArabe chinoisarabe{*this, static_cast<ChinoisArabe::Hote&>(*this)};
  ArabeChinois arabechinois{*this, static_cast<ArabeChinois::Hote&>(*this)};
  EcrireSurBande ecriresurbande;
  Historique historique;

  // The start state of a run: the calculator, the reader and the tape afresh.
  void demarrer();

  // The keys. An input key records its character and goes where the routing points; when that
  // is a converter field, the key returns it and the window inserts the character at its caret.
  Cible touche(const QString& caractere, int code);
  // An operator key: the pending operation carried out, then this one recorded.
  void toucheoperateur(int code, const QString& mot);
  void toucheegale();
  // ◁: one step back in the calculator; in a converter field, which field loses the character
  // before its caret.
  Cible unpas();
  // ◁◁: the calculator or the routed converter field emptied.
  void effacertout();

  void initialisercalculette();
  void operationdemandee();
  void egaledemande();
  void adapterecran();
  bool verifier1italique();
  void effectueroperation();
  void actualiserst13();
  bool verifier2italique();
  // How the last operationdemandee or egaledemande ended. Each call sets it afresh, so an
  // operator key stops only on what this very call met, never on a register left over.
  enum class FinOperation { normale, divisionparzero, horslimites };
  FinOperation finoperation = FinOperation::normale;
  // The last operationdemandee or egaledemande stopped on a division by zero or an
  // out-of-range result.
  bool derniereOperationArretee() const;

 private:
  // What the reader and the writer show, on the display, the tape and history lines, or in the
  // converter fields.
  int routage() const override { return position; }
  bool resultatAffiche() const override { return etat == 2; }
  bool echoAffichageItalique() override { return verifier1italique(); }
  bool echoChampItalique() override { return verifier2italique(); }
  void montrerNombre(const QString& caracteres, const QString& arabe, bool italique, double valeur) override;
  void montrerRefus() override;
  void montrerNombreNouveau() override;
  void montrerTexteVide() override;
  bool montrerNote() override;
  QString champChinoisRogne() override;
  void lectureDuChamp() override;
  QString champArabeRogne() override;
  void ecritureDuChamp() override;
  void montrerChinois(const QString& texte) override;
  void montrerHorsLimites() override;
  // A converter field's text without its blank ends, trimmed in place.
  QString rogner(Cible champ, const QString& texte);

  Vue& vue_;
};
