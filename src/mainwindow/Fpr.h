#pragma once
// The main window: the display, the keypad of 22 keys, the delete keys, the two fold-out
// triangles and the converter panel below the folded height.

#include <QString>
#include <array>

#include "platform/controls.h"
#include "platform/window.h"

namespace platform {
class MenuItem;
}

class Fpr : public platform::Window {
 public:
  Fpr();

  // The implicit instance.
  static Fpr& get();

  // The character being taken in (held with the rules' state).
  QString& c;

  platform::EditField* EFca = nullptr;
  platform::EditField* EditField1 = nullptr;
  std::array<platform::StaticText*, 4> StaticText3{};  // indexes 1 to 3
  platform::StaticText* StaticText2 = nullptr;
  platform::Canvas* Canvas4 = nullptr;
  platform::StaticText* STopera = nullptr;
  platform::StaticText* StaticText11 = nullptr;
  platform::StaticText* StaticText1 = nullptr;
  platform::DisclosureTriangle* DisclosureTriangle1 = nullptr;
  platform::BevelButton* BevelButton1 = nullptr;
  platform::DisclosureTriangle* DisclosureTriangle2 = nullptr;
  platform::EditField* EFcr = nullptr;
  platform::StaticText* StaticText6 = nullptr;
  platform::Timer* Tca = nullptr;
  platform::Timer* Tcr = nullptr;
  platform::BevelButton* BevelButton2 = nullptr;
  platform::StaticText* StaticText13 = nullptr;
  platform::PushButton* PushButton1 = nullptr;
  platform::Line* Line2 = nullptr;
  // A keypad key or its Arabic caption, by name ("BB4", "ST4").
  platform::BevelButton* key(const QString& name) const;
  platform::StaticText* keyCaption(const QString& name) const;

  // Converter fields and routing.
  void EFca_TextChange();
  bool EFca_MouseDown(int x, int y);
  void EFca_LostFocus();
  void EFca_GotFocus();
  void EditField1_GotFocus();
  bool Canvas4_MouseDown(int x, int y);
  void EFcr_TextChange();
  bool EFcr_MouseDown(int x, int y);
  void EFcr_GotFocus();
  void EFca_TabFocus();
  void EFcr_TabFocus();
  // Fold-out panels.
  void DisclosureTriangle1_Action();
  void DisclosureTriangle2_Action();
  // Delete and clear keys.
  void BevelButton1_Action();
  void BevelButton2_Action();
  // Keypad keys.
  void BBn_Action();
  void BB1000_Action();
  void BBe_Action();
  void BB4_Action();
  void BB9_Action();
  void BB108_Action();
  void BB3_Action();
  void BB8_Action();
  void BB104_Action();
  void BB2_Action();
  void BB7_Action();
  void BBsous_Action();
  void BBdiv_Action();
  void BB1_Action();
  void BB6_Action();
  void BB100_Action();
  void BBp_Action();
  void BBad_Action();
  void BBmu_Action();
  void BBz_Action();
  void BB5_Action();
  void BB10_Action();
  void PushButton1_Action();

  // The items of the window's menu bar, by name (nullptr when the bar has none of that name).
  platform::MenuItem* menuItem(const QString& name) const;
  platform::MenuItem* FenetreBandepapier() const;
  platform::MenuItem* FenetreConvertisseur() const;

  // Window-level menu handlers that no item reaches.
  bool Aboutmen_Action();
  bool BandMen_Action();
  bool HelpMen_Action();

 protected:
  void eventOpen() override;
  void eventClose() override;

 private:
  void Layout();
  void CreateControls();
  void AddMenuHandlers();
  // What every input key does, and what every operator key does (keypad.cpp).
  void inputKey(const QString& name);
  void operatorKey(const QString& name);
  // The display's text becomes the number being entered again, unless a result is shown.
  void rereadDisplay();
  // Routes the keypad to a converter field and converts from it, as a click into it does.
  void routeToChineseField();
  // False when an out-of-range flag kept the field from converting.
  bool routeToArabicField();
};
