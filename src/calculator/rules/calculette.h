#pragma once
// The calculator methods of the application object on its shared state, with the reader, the
// writer, the paper tape and the history that they drive; everything the windows show goes
// through the Vue.

#include "app/rules/etatapp.h"
#include "calculator/rules/ecriresurbande.h"
#include "calculator/rules/historique.h"
#include "calculator/rules/vue.h"
#include "numerals/rules/arabechinois.h"
#include "numerals/rules/chinoisarabe.h"

class Calculette : public EtatApp {
 public:
  explicit Calculette(Vue& vue) : vue_(vue) {}
  Calculette(const Calculette&) = delete;
  Calculette& operator=(const Calculette&) = delete;

  Vue& vue() const { return vue_; }

  // Module state, one of each per running application.
  ChinoisArabe chinoisarabe{*this};
  ArabeChinois arabechinois{*this};
  EcrireSurBande ecriresurbande{*this};
  Historique historique{*this};

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
  Vue& vue_;
};
