// The two fold-out triangles: the converter below the keypad, and the paper tape window beside
// the main window. The Window menu's items work by flipping the triangles, so these handlers
// also keep the items' check marks and the triangles' help tags in step.

#include "app/App.h"
#include "calculator/fband.h"
#include "mainwindow/Fpr.h"
#include "numerals/fouimais.h"
#include "platform/menus.h"
#include "strings/langues.h"

namespace {

// Heights of the window's content: the keypad alone, and the keypad with the converter.
constexpr int foldedHeight = 296;
constexpr int unfoldedHeight = 392;

void setChecked(platform::MenuItem* item, bool on) {
  if (item) item->setChecked(on);
}

}  // namespace

void Fpr::DisclosureTriangle1_Action() {
  const VueFpr::Evenement evenement(app().vueFpr());
  // A converter field that had the input gives it back to the calculator, and the display's
  // number becomes the one being entered again, as a click on the display makes it: the
  // reader may hold the field's number.
  app().position = 1;
  // A note that this reading of the display raises is not about the converter; one already up
  // stays.
  const fouimais* note = application().liveInstance<fouimais>();
  const bool noteUp = note != nullptr && note->visible();
  rereadDisplay();
  if (!noteUp) fouimais::hide();
  platform::ClearFocus();
  if (DisclosureTriangle1->value()) {
    // The main window is not resizable, so it takes exactly the height set here; the raised
    // maximum is kept for what the bounds would say.
    setHeight(unfoldedHeight);
    setMaxHeight(unfoldedHeight);
    // With the converter out there is another input target, so the display shows its focus.
    Canvas4->setUseFocusRing(true);
    Canvas4->setFocus();
    setChecked(FenetreConvertisseur(), true);
    DisclosureTriangle1->setHelpTag(langues::lhmasquerconvertisseur());
  } else {
    setHeight(foldedHeight);
    Canvas4->setUseFocusRing(false);
    setChecked(FenetreConvertisseur(), false);
    DisclosureTriangle1->setHelpTag(langues::lhafficherconvertisseur());
  }
}

void Fpr::DisclosureTriangle2_Action() {
  const VueFpr::Evenement evenement(app().vueFpr());
  if (!DisclosureTriangle2->value()) {
    fband::get().show();
    DisclosureTriangle2->setHelpTag(langues::lhmasquerbande());
    // Fills the tape and scrolls it to its end.
    app().ecriresurbande.rafraichir();
    setChecked(FenetreBandepapier(), true);
  } else {
    // Never build a tape window only to close it. When the tape window's own close box set the
    // triangle, the window is already closing and ignores this second close.
    if (fband* tape = application().liveInstance<fband>()) tape->close();
    setChecked(FenetreBandepapier(), false);
    DisclosureTriangle2->setHelpTag(langues::lhafficherbande());
  }
}
