#pragma once
// The paper tape window, beside the main window.

#include "platform/controls.h"
#include "platform/window.h"

class fband : public platform::Window {
 public:
  fband();
  static fband& get();

  platform::EditField* EditField1 = nullptr;
  platform::BevelButton* BevelButton1 = nullptr;

  void BevelButton1_Action();
  bool Untitled_Action();

 protected:
  void eventOpen() override;
  void eventClose() override;

 private:
  void Layout();
  void CreateControls();
};
