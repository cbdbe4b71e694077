#pragma once
// The preferences dialog: the welcome window setting and the character table for the next start.
// Every choice is kept in the application's flags as soon as it is clicked; OK stores them all
// and writes the preferences file.

#include "platform/controls.h"
#include "platform/window.h"

class FPreferences : public platform::Window {
 public:
  FPreferences();
  static FPreferences& get();

  platform::GroupBox* GroupBox1 = nullptr;
  platform::RadioButton* RBnepasafficherbienvenue = nullptr;
  platform::RadioButton* RBafficherbienvenue = nullptr;
  platform::Separator* Separator1 = nullptr;
  platform::StaticText* StaticText1 = nullptr;
  platform::StaticText* StaticText2 = nullptr;
  platform::GroupBox* GroupBox2 = nullptr;
  platform::RadioButton* RBsimplifie = nullptr;
  platform::RadioButton* RBtraditionnel = nullptr;
  platform::CheckBox* CBdefaut = nullptr;
  platform::StaticText* StaticText3 = nullptr;
  platform::GroupBox* GroupBox3 = nullptr;
  platform::RadioButton* RBusuelle = nullptr;
  platform::RadioButton* RBfinanciere = nullptr;
  platform::PushButton* PBOK = nullptr;

  void RBafficherbienvenue_Action();
  void RBnepasafficherbienvenue_Action();
  void RBsimplifie_Action();
  void RBtraditionnel_Action();
  void RBusuelle_Action();
  void RBfinanciere_Action();
  void CBdefaut_Action();
  void PBOK_Action();

 protected:
  void eventOpen() override;

 private:
  void Layout();
  void CreateControls();
};
