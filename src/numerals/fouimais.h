#pragma once
// The floating note that a Chinese text was read but some of its characters belong to another
// character table than the one in force.

#include "platform/controls.h"
#include "platform/window.h"

class fouimais : public platform::Window {
 public:
  fouimais();
  static fouimais& get();
  // Hides the note if there is one; a note that was never built is not shown anyway.
  static void hide();

  platform::StaticText* StaticText1 = nullptr;

 protected:
  void eventOpen() override;
  void eventActivate() override;

 private:
  void Layout();
  void CreateControls();
  void composerPhrase();
};
