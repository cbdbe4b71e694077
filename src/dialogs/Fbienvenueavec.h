#pragma once
// The welcome window, shown modally at start while the preference asks for it: the picture of
// the UI language over a bad and a good sample of handwritten characters, a button to the
// system's language settings, OK, and a box that stops it from showing again.

#include "platform/controls.h"
#include "platform/window.h"

class Fbienvenueavec : public platform::Window {
 public:
  Fbienvenueavec();
  static Fbienvenueavec& get();

  platform::Canvas* Canvas1 = nullptr;
  platform::Canvas* Canvas2 = nullptr;
  platform::PushButton* PushButton1 = nullptr;
  platform::PushButton* PushButton2 = nullptr;
  platform::CheckBox* CheckBox1 = nullptr;
  platform::Canvas* Canvas3 = nullptr;

  void PushButton1_Action();
  void PushButton2_Action();

 protected:
  void eventOpen() override;
  void eventClose() override;

 private:
  void Layout();
  void CreateControls();
};
