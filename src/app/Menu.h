#pragma once
// The menu bar: Edit, Window, Characters and Help, built once with the texts of the UI language.

#include "platform/menus.h"

class Menu : public platform::MenuBar {
 public:
  Menu();

 private:
  void Untitled1();
  void Untitled2();
  void Untitled4();
  void Untitled5();
};

// The items of the application's menu bar, by name (nullptr when the bar has none of that name).
platform::MenuItem* EditMen();
platform::MenuItem* fenetremenu();
platform::MenuItem* caracteresMenu();
platform::MenuItem* caracteresChinoissimplifié();
platform::MenuItem* caracteresChinoistraditionnel();
platform::MenuItem* caracteresChinoissimplifié1();
platform::MenuItem* caracteresnotationsusuelle();
platform::MenuItem* caracteresnotationfinanciere();
platform::MenuItem* aidemenu();
platform::MenuItem* aideregles();
platform::MenuItem* AideAfficherlecranencours();
platform::MenuItem* AideAidesurtouches();
