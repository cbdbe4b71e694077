#include "mainwindow/vuefpr.h"

#include <algorithm>

#include "app/App.h"
#include "calculator/fband.h"
#include "calculator/w1.h"
#include "mainwindow/Fpr.h"
#include "numerals/fouimais.h"
#include "platform/application.h"
#include "strings/langues.h"
#include "texte/text.h"

namespace {

Fpr& fpr() { return Fpr::get(); }

// The tape's lines of the calculation in progress.
constexpr platform::Color kGrisBande = 0x7B7B7B;

// The kept value, taken out before it is written: the write may raise a text change whose
// handler reads the control afresh.
template <class T>
std::optional<T> prendre(std::optional<T>& garde) {
  std::optional<T> valeur = std::move(garde);
  garde.reset();
  return valeur;
}

}  // namespace

void VueFpr::ecrireBandeMaintenant(const Bande& bande) {
  platform::EditField& field = *fband::get().EditField1;
  // Grey first, so that the text is coloured as it is written.
  if (field.textColor() != kGrisBande) field.setTextColor(kGrisBande);
  const QString avant = field.text();
  const QString& apres = bande.texte;
  // The tape mostly changes in its last line: what the field holds already stays, as long as
  // its finished part, in black, is the same.
  qsizetype commun = 0;
  const qsizetype communMax = std::min(avant.size(), apres.size());
  while (commun < communMax && avant[commun] == apres[commun]) ++commun;
  if (commun > 0 && commun < apres.size() && apres[commun].isLowSurrogate()) --commun;
  const int communPoints = texte::CodePointIndex(apres, static_cast<int>(commun));
  const bool noirIntact = champNoirci_ == &field && longueurNoire_ == bande.longueurDefinitive;
  if (noirIntact && communPoints >= bande.longueurDefinitive) {
    if (commun < avant.size() || commun < apres.size()) {
      field.setSelStart(communPoints);
      field.setSelLength(texte::Len(avant) - communPoints);
      field.setSelText(apres.mid(commun));
      const int ajout = texte::Len(apres) - communPoints;
      if (ajout > 0) field.setRangeColor(communPoints, ajout, kGrisBande);
    }
  } else {
    field.setText(apres);
    if (bande.longueurDefinitive > 0) field.setRangeColor(0, bande.longueurDefinitive, 0x000000);
    champNoirci_ = &field;
    longueurNoire_ = bande.longueurDefinitive;
  }
  field.setScrollPosition(100000);
}

void VueFpr::appliquerSiLibre() {
  if (profondeur_ == 0) appliquer();
}

void VueFpr::appliquer() {
  // An event that wrote nothing reaches no window.
  const bool rien = !affichage_ && !echo_ && !operateur_ && !symbole_ && !chinois_ && !arabe_ && !tailleAffichage_ &&
                    !echoItalique_ && !arabeItalique_ && !bande_;
  if (rien) return;
  Fpr& f = fpr();
  if (auto texte = prendre(affichage_)) f.StaticText1->setText(*texte);
  if (auto taille = prendre(tailleAffichage_)) f.StaticText1->setTextSize(*taille);
  if (auto italique = prendre(echoItalique_); italique && f.StaticText11->italic() != *italique) {
    f.StaticText11->setItalic(*italique);
  }
  if (auto texte = prendre(echo_)) f.StaticText11->setText(*texte);
  if (auto texte = prendre(operateur_)) f.STopera->setText(*texte);
  if (auto texte = prendre(symbole_)) f.StaticText13->setText(*texte);
  if (auto italique = prendre(arabeItalique_); italique && f.EFcr->italic() != *italique) {
    f.EFcr->setItalic(*italique);
  }
  if (auto texte = prendre(arabe_)) f.EFcr->setText(*texte);
  if (auto texte = prendre(chinois_)) f.EFca->setText(*texte);
  if (auto bande = prendre(bande_)) ecrireBandeMaintenant(*bande);
}

QString VueFpr::affichage() const { return affichage_ ? *affichage_ : fpr().StaticText1->text(); }
void VueFpr::setAffichage(const QString& texte) {
  affichage_ = texte;
  appliquerSiLibre();
}
void VueFpr::setTailleAffichage(int taille) {
  tailleAffichage_ = taille;
  appliquerSiLibre();
}
void VueFpr::setEcho(const QString& texte) {
  echo_ = texte;
  appliquerSiLibre();
}
bool VueFpr::echoItalique() const { return echoItalique_ ? *echoItalique_ : fpr().StaticText11->italic(); }
void VueFpr::setEchoItalique(bool italique) {
  echoItalique_ = italique;
  appliquerSiLibre();
}
QString VueFpr::operateur() const { return operateur_ ? *operateur_ : fpr().STopera->text(); }
void VueFpr::setOperateur(const QString& texte) {
  operateur_ = texte;
  appliquerSiLibre();
}
void VueFpr::setSymbole(const QString& texte) {
  symbole_ = texte;
  appliquerSiLibre();
}
QString VueFpr::chinois() const { return chinois_ ? *chinois_ : fpr().EFca->text(); }
void VueFpr::setChinois(const QString& texte) {
  chinois_ = texte;
  appliquerSiLibre();
}
QString VueFpr::arabe() const { return arabe_ ? *arabe_ : fpr().EFcr->text(); }
void VueFpr::setArabe(const QString& texte) {
  arabe_ = texte;
  appliquerSiLibre();
}
void VueFpr::rogner(Cible champ, int debut, int fin) {
  const bool chinois = champ == Cible::chinois;
  platform::EditField& field = chinois ? *fpr().EFca : *fpr().EFcr;
  // A text kept for the field and not yet written is written trimmed; the field's own text
  // loses its ends where it lies.
  if (std::optional<QString> garde = prendre(chinois ? chinois_ : arabe_)) {
    field.setText(texte::Mid(*garde, debut + 1, texte::Len(*garde) - debut - fin));
  } else {
    field.removeEnds(debut, fin);
  }
}
bool VueFpr::arabeItalique() const { return arabeItalique_ ? *arabeItalique_ : fpr().EFcr->italic(); }
void VueFpr::setArabeItalique(bool italique) {
  arabeItalique_ = italique;
  appliquerSiLibre();
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

void VueFpr::message(Message message) {
  appliquer();
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

void VueFpr::montrerNote() {
  appliquer();
  fouimais::get().setVisible(true);
}

bool VueFpr::bandeMontree() const { return !fpr().DisclosureTriangle2->value(); }

void VueFpr::ecrireBande(const QString& texte, int longueurDefinitive) {
  bande_ = Bande{texte, longueurDefinitive};
  appliquerSiLibre();
}

void VueFpr::remonterBande() {
  appliquer();
  // Never builds a tape window that is not there.
  if (fband* band = platform::Application::current()->liveInstance<fband>()) band->EditField1->setScrollPosition(5);
}

void VueFpr::historiqueChange() {
  // The history window is never shown: it gets the text when it is.
  w1& fenetre = w1::get();
  if (fenetre.visible()) fenetre.ed1->setText(app().historique.textew1);
}
