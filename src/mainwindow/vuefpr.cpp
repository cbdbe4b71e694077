#include "mainwindow/vuefpr.h"

#include "app/App.h"
#include "calculator/fband.h"
#include "calculator/w1.h"
#include "mainwindow/Fpr.h"
#include "numerals/fouimais.h"
#include "platform/application.h"
#include "strings/langues.h"

namespace {

Fpr& fpr() { return Fpr::get(); }

}  // namespace

QString VueFpr::affichage() const { return fpr().StaticText1->text(); }
void VueFpr::setAffichage(const QString& texte) { fpr().StaticText1->setText(texte); }
void VueFpr::setTailleAffichage(int taille) { fpr().StaticText1->setTextSize(taille); }
void VueFpr::setEcho(const QString& texte) { fpr().StaticText11->setText(texte); }
bool VueFpr::echoItalique() const { return fpr().StaticText11->italic(); }
void VueFpr::setEchoItalique(bool italique) {
  if (fpr().StaticText11->italic() != italique) fpr().StaticText11->setItalic(italique);
}
QString VueFpr::operateur() const { return fpr().STopera->text(); }
void VueFpr::setOperateur(const QString& texte) { fpr().STopera->setText(texte); }
void VueFpr::setSymbole(const QString& texte) { fpr().StaticText13->setText(texte); }
QString VueFpr::chinois() const { return fpr().EFca->text(); }
void VueFpr::setChinois(const QString& texte, bool) { fpr().EFca->setText(texte); }
QString VueFpr::arabe() const { return fpr().EFcr->text(); }
void VueFpr::setArabe(const QString& texte, bool) { fpr().EFcr->setText(texte); }
bool VueFpr::arabeItalique() const { return fpr().EFcr->italic(); }
void VueFpr::setArabeItalique(bool italique) {
  if (fpr().EFcr->italic() != italique) fpr().EFcr->setItalic(italique);
}

void VueFpr::focus(Cible cible) {
  switch (cible) {
    case Cible::aucune:
      platform::ClearFocus();
      break;
    case Cible::affichage:
      fpr().Canvas4->setFocus();
      break;
    case Cible::chinois:
      fpr().EFca->setFocus();
      break;
    case Cible::arabe:
      fpr().EFcr->setFocus();
      break;
  }
}

void VueFpr::rafraichir() { fpr().refresh(true); }

void VueFpr::message(Message message) {
  switch (message) {
    case Message::ecritureincorrecte:
      platform::MsgBox(langues::lxecritureincorrecte());
      break;
    case Message::horslimites:
      platform::MsgBox(langues::lxhorslimites());
      break;
    case Message::parzero:
      platform::MsgBox(langues::lxparzero());
      break;
  }
}

void VueFpr::montrerNote() { fouimais::get().setVisible(true); }

bool VueFpr::bandeMontree() const { return !fpr().DisclosureTriangle2->value(); }

void VueFpr::ecrireBande(const QString& texte, int longueurDefinitive) {
  platform::EditField& field = *fband::get().EditField1;
  field.setText(texte);
  field.setScrollPosition(100000);
  field.setTextColor(0x7B7B7B);
  if (longueurDefinitive > 0) field.setRangeColor(0, longueurDefinitive, 0x000000);
}

void VueFpr::remonterBande() {
  // Never builds a tape window that is not there.
  if (fband* band = platform::Application::current()->liveInstance<fband>()) band->EditField1->setScrollPosition(5);
}

void VueFpr::historiqueChange() { w1::get().ed1->setText(app().historique.textew1); }
