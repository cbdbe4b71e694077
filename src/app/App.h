#pragma once
// The application object: the current character table, the calculator registers and state,
// the input routing and the preference flags; the reader, writer, paper tape and history it
// owns; its Open event, menu handlers, table methods, calculator and preferences methods.

#include <QString>
#include <memory>

#include "app/pictures.h"
#include "calculator/ecriresurbande.h"
#include "calculator/historique.h"
#include "numerals/arabechinois.h"
#include "numerals/chinoisarabe.h"
#include "platform/application.h"
#include "platform/services.h"

class Menu;

class App : public platform::Application {
 public:
  explicit App(std::unique_ptr<platform::Services> services);
  ~App() override;

  // The current character table (see chartables.cpp).
  QString c2, c1, c3, c4, c6, c5, c7, c8, c9, c10, c100, c1000, cn, cp, cmu, cad, cdiv, csous, ce, c104, c108;
  int etat = 0;
  QString cz;
  QString N1texte;
  double N1valeur = 0;
  QString N2texte;
  double N2valeur = 0;
  QString N3texte;
  double N3valeur = 0;
  int operation = 0;
  QString cplus, cmoins, cfois, cpar;
  double n0valeur = 0;
  bool persev = false;
  int position = 0;
  bool preflueafficherbienvenue = false;
  bool prefluedefaut = false;
  bool prefluesimplifie = false;
  bool preflueusuelle = false;

  // Module state, one of each per running application.
  ChinoisArabe chinoisarabe{*this};
  ArabeChinois arabechinois{*this};
  EcrireSurBande ecriresurbande{*this};
  Historique historique{*this};
  Pictures pictures;

  Menu& menu() const;

  // Menu handlers; each returns false.
  bool AideAidesurtouches_Action();
  bool caracteresnotationfinanciere_Action();
  bool caracteresnotationsusuelle_Action();
  bool caracteresChinoistraditionnel_Action();
  bool caracteresChinoissimplifié_Action();
  bool AideAfficherlecranencours_Action();
  bool FenetreBandepapier_Action();
  bool FenetreConvertisseur_Action();
  bool menuapropos_Action();
  bool caracteresChinoissimplifié1_Action();
  bool aideregles_Action();
  bool aideaideacalcimandarix_Action();
  bool preferences_Action();

  // Character tables.
  void touches();
  void simpusuel();
  void tradfinancier();
  void simpfinancier();
  void tradusuel();

  // Calculator.
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

  // Preferences.
  void aspectpreferencesdefaut();
  void lirepref();
  void sauverpref();

  // The UI language name, fetched anew, compared without regard to case.
  static bool langueEst(const char* name);

  // The Open event has run to its end: the table, the menus and the calculator are in their
  // start state.
  bool opened() const { return opened_; }

 protected:
  void startup() override;
  void eventOpen() override;

 private:
  bool opened_ = false;
  void addMenuHandlers();
  // Loads the character table that the marks of the Characters menu name.
  void appliquerTableCochee();
  // Marks one notation, or one set of characters, alone and loads the table.
  void marquerNotation(bool usuelle);
  void marquerCaracteres(bool simplifies);
  void dresserBienvenue(const platform::Picture& picture, bool captions);
};

// The running application object.
App& app();
