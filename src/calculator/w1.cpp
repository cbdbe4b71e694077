#include "calculator/w1.h"

#include <optional>

#include "app/App.h"
#include "platform/application.h"

w1::w1() : platform::Window(QStringLiteral("w1")) {
  Layout();
  CreateControls();
}

w1& w1::get() { return platform::Application::current()->instance<w1>(); }

void w1::Layout() {
  setTitle(QStringLiteral("Sans_titre"));
  setSize(300, 300);
  setMinSize(64, 64);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::Document);
  setBackColor(std::nullopt);
  setCloseButton(true);
  setMinimizeButton(true);
  setResizable(false);
  setVisibleAtCreation(false);
}

void w1::CreateControls() {
  ed1 = make<platform::EditField>(QStringLiteral("ed1"));
  ed1->setBounds(8, 6, 278, 274);
  ed1->setMultiline(true);
  ed1->setBorder(true);
  ed1->setScrollbarVertical(true);
  ed1->setAcceptTabs(false);
}

void w1::eventActivate() { ed1->setText(app().historique.textew1); }
