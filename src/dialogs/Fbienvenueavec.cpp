#include "dialogs/Fbienvenueavec.h"

#include "app/App.h"
#include "app/pictures.h"
#include "strings/acces.h"
#include "strings/langues.h"

Fbienvenueavec::Fbienvenueavec() : platform::Window(QStringLiteral("Fbienvenueavec")) {
  Layout();
  CreateControls();
}

Fbienvenueavec& Fbienvenueavec::get() { return platform::Application::current()->instance<Fbienvenueavec>(); }

void Fbienvenueavec::Layout() {
  setTitle(langues::lfbienvenuetitre());
  setSize(501, 501);
  setMinSize(64, 64);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::Document);
  // Built hidden: start-up dresses it, and shows it only when the preference asks for it.
  setVisibleAtCreation(false);
  setCloseButton(true);
  setMinimizeButton(true);
  setResizable(false);
  setBackColor(std::nullopt);
}

namespace {

platform::Canvas* makeCanvas(Fbienvenueavec& w, const QString& name, int left, int top, int width, int height) {
  auto* canvas = w.make<platform::Canvas>(name);
  canvas->setBounds(left, top, width, height);
  canvas->setAcceptFocus(false);
  return canvas;
}

}  // namespace

void Fbienvenueavec::CreateControls() {
  // No caption here: start-up sets them in the languages that have them.
  Canvas1 = makeCanvas(*this, QStringLiteral("Canvas1"), 129, 189, 100, 209);
  Canvas1->setAccessibleName(acces::texte(QStringLiteral("Fbienvenueavec.Canvas1")));
  Canvas2 = makeCanvas(*this, QStringLiteral("Canvas2"), 298, 189, 100, 209);
  Canvas2->setAccessibleName(acces::texte(QStringLiteral("Fbienvenueavec.Canvas2")));

  PushButton1 = make<platform::PushButton>(QStringLiteral("PushButton1"));
  PushButton1->setBounds(20, 437, 378, 20);
  // In the Chinese interfaces the captions are drawn in the picture.
  PushButton1->setPictureCaption(acces::texte(QStringLiteral("Fbienvenueavec.PushButton1")));
  PushButton1->connectAction([this] { PushButton1_Action(); });

  PushButton2 = make<platform::PushButton>(QStringLiteral("PushButton2"));
  PushButton2->setBounds(410, 437, 71, 20);
  PushButton2->setPictureCaption(acces::texte(QStringLiteral("Fbienvenueavec.PushButton2")));
  PushButton2->connectAction([this] { PushButton2_Action(); });

  CheckBox1 = make<platform::CheckBox>(QStringLiteral("CheckBox1"));
  CheckBox1->setBounds(20, 469, 225, 20);
  CheckBox1->setTextSize(10);
  CheckBox1->setValue(false);
  // Its words are drawn in the picture beside it; a click on them toggles it.
  CheckBox1->setPictureCaption(acces::texte(QStringLiteral("Fbienvenueavec.CheckBox1")));

  // The picture of the UI language lies over everything; its white is drawn transparent, and
  // the clicks go through to the buttons and the box beneath.
  Canvas3 = makeCanvas(*this, QStringLiteral("Canvas3"), 0, 0, 481, 501);
  Canvas3->setMouseTransparent(true);
}

void Fbienvenueavec::eventOpen() {
  // Return opens the language settings until the user has been there once.
  PushButton1->setDefault(true);
  Canvas1->setBackdrop(app().pictures.ImageMauvais());
  Canvas2->setBackdrop(app().pictures.ImageBon());
}

void Fbienvenueavec::PushButton1_Action() {
  Ouvririnternational();
  // From now on Return means OK.
  PushButton1->setDefault(false);
  PushButton2->setDefault(true);
}

void Fbienvenueavec::PushButton2_Action() { close(); }

void Fbienvenueavec::eventClose() {
  App& a = app();
  // A ticked box turns the window off; an unticked one never turns it back on.
  if (CheckBox1->value()) a.preflueafficherbienvenue = false;
  // However the window closes, the preferences are written.
  a.sauverpref();
}
