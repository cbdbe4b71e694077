#pragma once
// The history window: created hidden and never shown.

#include "platform/controls.h"
#include "platform/window.h"

class w1 : public platform::Window {
 public:
  w1();
  static w1& get();

  platform::EditField* ed1 = nullptr;

 private:
  void Layout();
  void CreateControls();
};
