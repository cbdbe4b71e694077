#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "numerals/fouimais.h"

// The reader converts only while the routing points at EFca, so the Arabic text it writes into
// EFcr does not come back: App.position is the only guard between the two fields.
void Fpr::EFca_TextChange() {
  {
    const VueFpr::Evenement evenement(app().vueFpr());
    fouimais::hide();
    app().chinoisarabe.cachange();
  }
  EFca->setScrollPosition(0);
  EFcr->setScrollPosition(0);
}

// Likewise the writer converts only while the routing points at EFcr.
void Fpr::EFcr_TextChange() {
  {
    const VueFpr::Evenement evenement(app().vueFpr());
    app().arabechinois.crchange();
  }
  EFca->setScrollPosition(0);
  EFcr->setScrollPosition(0);
}

void Fpr::routeToChineseField() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.position = 2;
  fouimais::hide();
  // The writer's markers are no Chinese text: read, they would wipe out the Arabic text that
  // raised them.
  if (ArabeChinois::estMarqueur(a.vue().chinois())) return;
  // The field is judged anew from a reset reader, so a text refused before gets a fresh reading.
  a.chinoisarabe.fouimaisdemandee = 0;
  a.chinoisarabe.initialisernombre();
  a.vue().setArabe(QString());
  a.chinoisarabe.textaarabiser = a.vue().chinois();
  a.chinoisarabe.arabisertexte();
}

bool Fpr::EFca_MouseDown(int, int) {
  routeToChineseField();
  platform::ClearFocus();
  EFca->setFocus();
  // The click goes on: the caret is placed as usual.
  return false;
}

bool Fpr::routeToArabicField() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.position = 3;
  // After an out-of-range number the field is left as it is, with its message already shown.
  if (a.arabechinois.tropbig) return false;
  a.arabechinois.crchange();
  return true;
}

bool Fpr::EFcr_MouseDown(int, int) {
  if (routeToArabicField()) {
    platform::ClearFocus();
    EFcr->setFocus();
  }
  return false;
}

// A field reached by Tab takes the keypad and the conversion as a click does; it keeps the
// focus that Tab gave it. Out of sight, with the converter folded, it takes nothing.
void Fpr::EFca_TabFocus() {
  if (DisclosureTriangle1->value()) routeToChineseField();
}

void Fpr::EFcr_TabFocus() {
  if (DisclosureTriangle1->value()) routeToArabicField();
}

void Fpr::rereadDisplay() {
  App& a = app();
  if (a.etat == 2) return;
  a.chinoisarabe.textaarabiser = a.vue().affichage();
  a.chinoisarabe.initialisernombre();
  a.chinoisarabe.arabisertexte();
}

bool Fpr::Canvas4_MouseDown(int, int) {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  if (a.position != 1) Canvas4->setFocus();
  a.position = 1;
  rereadDisplay();
  fouimais::hide();
  return false;
}

// The grey hints go at the first focus of either field, both at once, for good.
void Fpr::EFca_GotFocus() {
  StaticText2->setVisible(false);
  StaticText6->setVisible(false);
}

void Fpr::EFcr_GotFocus() { EFca_GotFocus(); }

// The window hands this invisible field the focus when it opens, so that no control keeps it.
void Fpr::EditField1_GotFocus() { platform::ClearFocus(); }

void Fpr::EFca_LostFocus() {}
