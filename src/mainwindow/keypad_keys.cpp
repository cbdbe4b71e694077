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
  // The character is recorded first, whatever the key then does.
  c = a.*(key->character);
  switch (a.position) {
    case 2:
      // Into the Chinese field at its caret; the field's text change converts it.
      a.vueFpr().appliquer();
      EFca->setSelText(c);
      break;
    case 3:
      // The same Chinese character into the Arabic field, judged there like typed text.
      a.vueFpr().appliquer();
      EFcr->setSelText(c);
      break;
    case 1:
      if (a.etat == 2) {
        // A shown result: a unit key has nothing to multiply, a digit starts a new calculation.
        if (key->family == KeyFamily::Unit) return;
        a.initialisercalculette();
      }
      a.chinoisarabe.valeur = key->code;
      a.chinoisarabe.arrivage();
      break;
    default:
      break;
  }
}

void Fpr::operatorKey(const QString& name) {
  const KeySpec* key = findKey(name);
  if (key == nullptr || key->character == nullptr) return;
  App& a = app();
  if (a.position != 1) return;
  const VueFpr::Evenement evenement(a.vueFpr());
  Vue& vue = a.vue();

  const QString display = vue.affichage();
  const QString shown = vue.operateur();
  if (display.isEmpty() && shown.isEmpty()) return;
  // An operator just chosen with nothing typed after it: this one takes its place.
  const bool replacesPending = display.isEmpty() && shown != a.ce;

  if (!replacesPending) {
    if (a.verifier1italique()) {
      a.chinoisarabe.refuse();
      return;
    }
    a.operationdemandee();
    // Only what this very call met stops the key: a division by zero, or a result out of range.
    if (a.derniereOperationArretee()) {
      a.arabechinois.tropbig = false;
      return;
    }
  }

  a.operation = key->code;
  vue.setOperateur(a.*(key->character));
  a.actualiserst13();
  a.ecriresurbande.op();
  Historique& history = a.historique;
  if (replacesPending && history.jj >= 1) {
    // The tape replaces its operator line; the history replaces its operator step alike, so a
    // later step back lands on the operand before it.
    history.tligne[history.jj - 1] = vue.operateur();
    history.oligne[history.jj - 1] = a.operation;
    history.rafraichirw1();
  } else {
    history.ajouterop();
  }
  vue.focus(Cible::affichage);
  a.position = 1;
  vue.rafraichir();
  vue.setEcho(QString());
}

void Fpr::BBe_Action() {
  App& a = app();
  if (a.position != 1) return;
  const VueFpr::Evenement evenement(a.vueFpr());
  if (a.verifier1italique()) {
    a.chinoisarabe.refuse();
    return;
  }
  a.egaledemande();
}
