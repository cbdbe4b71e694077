#include "dialogs/FPreferences.h"

#include "app/App.h"
#include "strings/acces.h"
#include "strings/langues.h"

using platform::TextAlign;

FPreferences::FPreferences() : platform::Window(QStringLiteral("FPreferences")) {
  Layout();
  CreateControls();
}

FPreferences& FPreferences::get() { return platform::Application::current()->instance<FPreferences>(); }

void FPreferences::Layout() {
  setTitle(langues::lfpreferences());
  setSize(364, 420);
  setMinSize(64, 64);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::MovableModal);
  setVisibleAtCreation(true);
  setCloseButton(true);
  setMinimizeButton(true);
  setResizable(false);
  setBackColor(std::nullopt);
}

namespace {

platform::RadioButton* makeRadio(FPreferences& w, const QString& name, platform::Control* box, int left, int top,
                                 int width, const QString& caption) {
  auto* radio = w.make<platform::RadioButton>(name, box);
  radio->setCaption(caption);
  radio->setBounds(left, top, width, 20);
  return radio;
}

platform::StaticText* makeLabel(FPreferences& w, const QString& name, int left, int top, int width, const QString& text,
                                TextAlign align) {
  auto* label = w.make<platform::StaticText>(name);
  label->setText(text);
  label->setBounds(left, top, width, 20);
  label->setTextAlign(align);
  return label;
}

}  // namespace

void FPreferences::CreateControls() {
  GroupBox1 = make<platform::GroupBox>(QStringLiteral("GroupBox1"));
  GroupBox1->setAccessibleName(acces::texte(QStringLiteral("FPreferences.GroupBox1")));
  GroupBox1->setBounds(40, 51, 284, 77);

  RBnepasafficherbienvenue = makeRadio(*this, QStringLiteral("RBnepasafficherbienvenue"), GroupBox1, 53, 98, 264,
                                       langues::lfnepasafficherlafenetrebienvenue());
  RBnepasafficherbienvenue->connectAction([this] { RBnepasafficherbienvenue_Action(); });
  RBafficherbienvenue = makeRadio(*this, QStringLiteral("RBafficherbienvenue"), GroupBox1, 53, 78, 244,
                                  langues::lfafficherlafenetrebienvenue());
  RBafficherbienvenue->connectAction([this] { RBafficherbienvenue_Action(); });

  Separator1 = make<platform::Separator>(QStringLiteral("Separator1"));
  Separator1->setBounds(0, 158, 364, 4);

  StaticText1 =
      makeLabel(*this, QStringLiteral("StaticText1"), 0, 15, 364, langues::lfFenetrebienvenue(), TextAlign::Center);
  StaticText2 = makeLabel(*this, QStringLiteral("StaticText2"), -1, 173, 364, langues::lfcaracteresalouverture(),
                          TextAlign::Center);

  GroupBox2 = make<platform::GroupBox>(QStringLiteral("GroupBox2"));
  GroupBox2->setAccessibleName(acces::texte(QStringLiteral("FPreferences.GroupBox2")));
  GroupBox2->setBounds(40, 244, 284, 60);
  RBsimplifie = makeRadio(*this, QStringLiteral("RBsimplifie"), GroupBox2, 53, 254, 195, langues::lmsimplifie());
  RBsimplifie->connectAction([this] { RBsimplifie_Action(); });
  RBtraditionnel =
      makeRadio(*this, QStringLiteral("RBtraditionnel"), GroupBox2, 53, 274, 195, langues::lmtraditionnel());
  RBtraditionnel->connectAction([this] { RBtraditionnel_Action(); });

  CBdefaut = make<platform::CheckBox>(QStringLiteral("CBdefaut"));
  CBdefaut->setCaption(langues::lfdefault());
  CBdefaut->setBounds(40, 212, 200, 20);
  CBdefaut->setValue(false);
  CBdefaut->connectAction([this] { CBdefaut_Action(); });

  StaticText3 = makeLabel(*this, QStringLiteral("StaticText3"), 53, 55, 297, langues::lfalouverture(), TextAlign::Left);

  GroupBox3 = make<platform::GroupBox>(QStringLiteral("GroupBox3"));
  GroupBox3->setAccessibleName(acces::texte(QStringLiteral("FPreferences.GroupBox3")));
  GroupBox3->setBounds(40, 310, 284, 60);
  RBusuelle = makeRadio(*this, QStringLiteral("RBusuelle"), GroupBox3, 53, 320, 202, langues::lmusuelle());
  RBusuelle->connectAction([this] { RBusuelle_Action(); });
  RBfinanciere = makeRadio(*this, QStringLiteral("RBfinanciere"), GroupBox3, 53, 340, 226, langues::lmfinanciere());
  RBfinanciere->connectAction([this] { RBfinanciere_Action(); });

  PBOK = make<platform::PushButton>(QStringLiteral("PBOK"));
  PBOK->setCaption(langues::lbOK());
  PBOK->setBounds(293, 382, 57, 20);
  PBOK->setDefault(false);
  PBOK->setCancel(false);
  PBOK->connectAction([this] { PBOK_Action(); });
}

void FPreferences::eventOpen() {
  App& a = app();
  if (App::langueEst("chinois trad.")) {
    // Traditional characters first in the traditional Chinese interface.
    RBsimplifie->setTop(274);
    RBtraditionnel->setTop(253);
  }
  (a.preflueafficherbienvenue ? RBafficherbienvenue : RBnepasafficherbienvenue)->setValue(true);
  (a.prefluesimplifie ? RBsimplifie : RBtraditionnel)->setValue(true);
  (a.preflueusuelle ? RBusuelle : RBfinanciere)->setValue(true);
  // Under the default choice the character choice still shows what the flags hold, greyed out.
  CBdefaut->setValue(a.prefluedefaut);
  GroupBox2->setEnabled(!a.prefluedefaut);
  GroupBox3->setEnabled(!a.prefluedefaut);
}

// A click keeps its choice at once, so that closing with the close box leaves the flags as the
// dialog showed them; OK stores them all again.
void FPreferences::RBafficherbienvenue_Action() { app().preflueafficherbienvenue = true; }
void FPreferences::RBnepasafficherbienvenue_Action() { app().preflueafficherbienvenue = false; }
void FPreferences::RBsimplifie_Action() { app().prefluesimplifie = true; }
void FPreferences::RBtraditionnel_Action() { app().prefluesimplifie = false; }
void FPreferences::RBusuelle_Action() { app().preflueusuelle = true; }
void FPreferences::RBfinanciere_Action() { app().preflueusuelle = false; }

void FPreferences::CBdefaut_Action() {
  if (CBdefaut->value()) {
    app().aspectpreferencesdefaut();
  } else {
    // The radio buttons keep what they show.
    GroupBox2->setEnabled(true);
    GroupBox3->setEnabled(true);
  }
}

void FPreferences::PBOK_Action() {
  App& a = app();
  a.preflueafficherbienvenue = RBafficherbienvenue->value();
  a.prefluedefaut = CBdefaut->value();
  a.prefluesimplifie = RBsimplifie->value();
  a.preflueusuelle = RBusuelle->value();
  a.sauverpref();
  close();
}
