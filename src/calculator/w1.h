#pragma once
// The history window: created hidden and never shown.

#include "platform/controls.h"
#include "platform/window.h"

class w1 : public platform::Window {
 public:
  w1();
  static w1& get();

  platform::EditField* ed1 = nullptr;

 protected:
  // The history text, which the history model always holds, is written when the window shows.
  void eventActivate() override;

 private:
  void Layout();
  void CreateControls();
};
