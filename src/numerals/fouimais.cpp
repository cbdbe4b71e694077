#include "numerals/fouimais.h"

#include "app/App.h"
#include "app/Menu.h"
#include "platform/application.h"
#include "platform/menus.h"
#include "strings/langues.h"

fouimais::fouimais() : platform::Window(QStringLiteral("fouimais")) {
  Layout();
  CreateControls();
}

fouimais& fouimais::get() { return platform::Application::current()->instance<fouimais>(); }

void fouimais::hide() {
  if (fouimais* note = platform::Application::current()->liveInstance<fouimais>()) note->setVisible(false);
}

void fouimais::Layout() {
  setTitle(QString());
  setSize(349, 102);
  setMinSize(64, 64);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::Floating);
  setPlacement(platform::Placement::ParentWindow);
  setBackColor(std::nullopt);
  // Shown by the reader only when a text it read was of another table.
  setVisibleAtCreation(false);
  setCloseButton(true);
  setResizable(false);
  setMinimizeButton(false);
}

void fouimais::CreateControls() {
  StaticText1 = make<platform::StaticText>(QStringLiteral("StaticText1"));
  StaticText1->setText(langues::lfouimais1());
  StaticText1->setBounds(0, 39, 349, 31);
  StaticText1->setLocks(false, false, false, false);
  StaticText1->setTextAlign(platform::TextAlign::Center);
  StaticText1->setTextFont(QStringLiteral("System"));
  StaticText1->setTextSize(0);
  StaticText1->setBold(false);
  StaticText1->setItalic(false);
  StaticText1->setUnderline(false);
  StaticText1->setTextColor(0x000000);
  StaticText1->setMultiline(true);
  StaticText1->setEnabled(true);
  StaticText1->setVisible(true);
  StaticText1->setHelpTag(QString());
}

void fouimais::eventOpen() { composerPhrase(); }

// Activation rebuilds the sentence, so a table chosen since the last showing is named.
void fouimais::eventActivate() { composerPhrase(); }

namespace {

bool coche(const platform::MenuItem* item) { return item != nullptr && item->checked(); }

}  // namespace

void fouimais::composerPhrase() {
  // The traditional item wins when both scripts are checked, the financial one for notations.
  QString table;
  if (coche(caracteresChinoissimplifié())) table = caracteresChinoissimplifié()->text();
  if (coche(caracteresChinoistraditionnel())) table = caracteresChinoistraditionnel()->text();
  QString notation;
  if (coche(caracteresnotationsusuelle())) notation = caracteresnotationsusuelle()->text();
  if (coche(caracteresnotationfinanciere())) notation = caracteresnotationfinanciere()->text();

  const bool occidental = App::langueEst("francais") || App::langueEst("anglais");
  const bool chinois = App::langueEst("chinois simp.") || App::langueEst("chinois trad.");
  QString phrase = langues::lfouimais1();
  if (occidental) phrase += QStringLiteral(" \"");
  phrase += table;
  if (occidental) phrase += QLatin1Char(' ');
  phrase += notation;
  if (occidental) phrase += QStringLiteral("\".");
  if (chinois) phrase += QStringLiteral("的。");
  StaticText1->setText(phrase);
}
