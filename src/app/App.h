#pragma once
// The application object: the shared state and calculator methods of Calculette (the character
// table, the registers, the routing, the reader, writer, paper tape and history), shown through
// the main window's VueFpr; the preference flags; its Open event, menu handlers, table methods
// and preferences methods.

#include <QString>
#include <memory>

#include "app/pictures.h"
#include "calcul/calculette.h"
#include "mainwindow/vuefpr.h"
#include "platform/application.h"
#include "platform/services.h"

class Menu;

// VueFpr comes before Calculette, so that the rules get a view that already stands.
class App : public platform::Application, private VueFpr, public Calculette {
 public:
  explicit App(std::unique_ptr<platform::Services> services);
  ~App() override;

  bool preflueafficherbienvenue = false;
  bool prefluedefaut = false;
  bool prefluesimplifie = false;
  bool preflueusuelle = false;

  Pictures pictures;

  Menu& menu() const;
  // The windows' side of the rules: a handler marks its user event with it.
  VueFpr& vueFpr() { return *this; }

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
