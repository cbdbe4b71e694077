#include "numerals/fouimais.h"

#include "app/App.h"
#include "app/Menu.h"
#include "platform/application.h"
#include "platform/menus.h"
#include "strings/acces.h"
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
  // Untitled, it is still named for a screen reader.
  setAccessibleName(acces::texte(QStringLiteral("fouimais")));
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
  // The sentence is composed whenever the note opens or comes to the front.
  StaticText1->setBounds(0, 39, 349, 31);
  StaticText1->setTextAlign(platform::TextAlign::Center);
  StaticText1->setMultiline(true);
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
