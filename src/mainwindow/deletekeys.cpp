#include "app/App.h"
#include "mainwindow/Fpr.h"

namespace {

// One character before the caret (or before the selection) goes; at the very start nothing
// does. Positions count code points, so a character outside the BMP goes whole.
void deleteBeforeCaret(platform::EditField& field) {
  const int start = field.selStart();
  if (start <= 0) return;
  field.setSelStart(start - 1);
  field.setSelLength(1);
  field.setSelText(QString());
}

}  // namespace

void Fpr::BevelButton1_Action() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  const Cible champ = a.unpas();
  if (champ == Cible::aucune) return;
  // The fields are edited in place, at their caret.
  a.vueFpr().appliquer();
  deleteBeforeCaret(champ == Cible::chinois ? *EFca : *EFcr);
}

void Fpr::BevelButton2_Action() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.effacertout();
}
