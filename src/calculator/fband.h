#pragma once
// The paper tape window, beside the main window: the tape text in a read-only field that follows
// the window's size, and a button that clears the tape.

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
  void AddMenuHandlers();
};
