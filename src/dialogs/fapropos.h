#pragma once
// The about box: icon, name, version and freeware lines, and two links.

#include "platform/controls.h"
#include "platform/window.h"

class fapropos : public platform::Window {
 public:
  fapropos();
  static fapropos& get();

  platform::Canvas* Canvas1 = nullptr;
  platform::StaticText* StaticText1 = nullptr;
  platform::StaticText* StaticText2 = nullptr;
  platform::StaticText* StaticText3 = nullptr;
  platform::StaticText* StaticText4 = nullptr;
  platform::StaticText* StaticText5 = nullptr;

  void StaticText4_MouseExit();
  void StaticText4_MouseEnter();
  bool StaticText4_MouseDown(int x, int y);
  void StaticText5_MouseExit();
  void StaticText5_MouseEnter();
  bool StaticText5_MouseDown(int x, int y);

 private:
  void Layout();
  void CreateControls();
};
