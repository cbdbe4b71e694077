#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "mainwindow/keypad.h"

// Each key's handler hands its name to the one piece of logic of its family.
void Fpr::BBz_Action() { inputKey(QStringLiteral("BBz")); }
void Fpr::BB1_Action() { inputKey(QStringLiteral("BB1")); }
void Fpr::BB2_Action() { inputKey(QStringLiteral("BB2")); }
void Fpr::BB3_Action() { inputKey(QStringLiteral("BB3")); }
void Fpr::BB4_Action() { inputKey(QStringLiteral("BB4")); }
void Fpr::BB5_Action() { inputKey(QStringLiteral("BB5")); }
void Fpr::BB6_Action() { inputKey(QStringLiteral("BB6")); }
void Fpr::BB7_Action() { inputKey(QStringLiteral("BB7")); }
void Fpr::BB8_Action() { inputKey(QStringLiteral("BB8")); }
void Fpr::BB9_Action() { inputKey(QStringLiteral("BB9")); }
void Fpr::BB10_Action() { inputKey(QStringLiteral("BB10")); }
void Fpr::BB100_Action() { inputKey(QStringLiteral("BB100")); }
void Fpr::BB1000_Action() { inputKey(QStringLiteral("BB1000")); }
void Fpr::BB104_Action() { inputKey(QStringLiteral("BB104")); }
void Fpr::BB108_Action() { inputKey(QStringLiteral("BB108")); }
void Fpr::BBn_Action() { inputKey(QStringLiteral("BBn")); }
void Fpr::BBp_Action() { inputKey(QStringLiteral("BBp")); }
void Fpr::BBad_Action() { operatorKey(QStringLiteral("BBad")); }
void Fpr::BBsous_Action() { operatorKey(QStringLiteral("BBsous")); }
void Fpr::BBmu_Action() { operatorKey(QStringLiteral("BBmu")); }
void Fpr::BBdiv_Action() { operatorKey(QStringLiteral("BBdiv")); }

void Fpr::inputKey(const QString& name) {
  const KeySpec* key = findKey(name);
  if (key == nullptr || key->character == nullptr) return;
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  const Cible champ = a.touche(a.*(key->character), key->code);
  if (champ == Cible::aucune) return;
  // Into a converter field at its caret; the field's text change converts it.
  a.vueFpr().appliquer();
  (champ == Cible::chinois ? EFca : EFcr)->setSelText(c);
}

void Fpr::operatorKey(const QString& name) {
  const KeySpec* key = findKey(name);
  if (key == nullptr || key->character == nullptr) return;
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.toucheoperateur(key->code, a.*(key->character));
}

void Fpr::BBe_Action() {
  App& a = app();
  const VueFpr::Evenement evenement(a.vueFpr());
  a.toucheegale();
}
