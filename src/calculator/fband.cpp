#include "calculator/fband.h"

#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "strings/acces.h"
#include "strings/langues.h"

namespace {

// The gap between the main window's right edge and the tape window.
constexpr int gapToMainWindow = 20;

}  // namespace

fband::fband() : platform::Window(QStringLiteral("fband")) {
  Layout();
  CreateControls();
  AddMenuHandlers();
}

fband& fband::get() { return platform::Application::current()->instance<fband>(); }

void fband::Layout() {
  setTitle(langues::lfbande());
  setSize(280, 296);
  setMinSize(150, 150);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::Document);
  setBackColor(0x969696);
  setVisibleAtCreation(true);
  setCloseButton(true);
  setResizable(true);
  setMinimizeButton(true);
}

void fband::CreateControls() {
  EditField1 = make<platform::EditField>(QStringLiteral("EditField1"));
  EditField1->setBounds(0, 0, 280, 275);
  // Locked on all four sides: the tape grows and shrinks with the window.
  EditField1->setLocks(true, true, true, true);
  EditField1->setReadOnly(true);
  EditField1->setMultiline(true);
  EditField1->setStyled(true);
  EditField1->setBorder(true);
  EditField1->setScrollbarVertical(true);
  EditField1->setAcceptTabs(true);
  EditField1->setUseFocusRing(false);
  EditField1->setTextFont(QStringLiteral("hei"));
  EditField1->setTextSize(16);
  EditField1->setTextColor(0x969696);
  EditField1->setBackColor(0xFFFFFF);
  EditField1->setAccessibleName(acces::texte(QStringLiteral("fband.EditField1")));

  BevelButton1 = make<platform::BevelButton>(QStringLiteral("BevelButton1"));
  BevelButton1->setHelpTag(langues::lheffacerlabande());
  BevelButton1->setBounds(207, 278, 57, 15);
  BevelButton1->setCaption(QStringLiteral("\u25C1\u25C1"));
  // Locked to the bottom right corner: 16 pixels from the right edge, 3 from the bottom.
  BevelButton1->setLocks(false, false, true, true);
  BevelButton1->setTextFont(QStringLiteral("System"));
  BevelButton1->setTextSize(12);
  BevelButton1->setAcceptFocus(false);
  BevelButton1->setAccessibleName(acces::texte(QStringLiteral("fband.BevelButton1")));
  BevelButton1->connectAction([this] { BevelButton1_Action(); });
}

void fband::AddMenuHandlers() {
  addMenuHandler(QStringLiteral("Untitled"), [this] { return Untitled_Action(); });
}

// No item of the menu bar carries this name.
bool fband::Untitled_Action() { return true; }

void fband::eventOpen() {
  const Fpr& main = Fpr::get();
  setLeft(main.left() + main.width() + gapToMainWindow);
  setTop(main.top());
}

void fband::eventClose() {
  // The triangle's Action closes the tape window in turn; this window is already closing and
  // ignores it. While the application shuts down there may be no main window left to tell.
  if (Fpr* main = application().liveInstance<Fpr>()) main->DisclosureTriangle2->setValue(true);
}

void fband::BevelButton1_Action() {
  {
    const VueFpr::Evenement evenement(app().vueFpr());
    app().ecriresurbande.effacertout();
  }
  // Hiding and showing the field redraws it whole.
  EditField1->setVisible(false);
  EditField1->setVisible(true);
}
