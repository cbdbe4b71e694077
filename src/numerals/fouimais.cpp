#include "numerals/fouimais.h"

#include "platform/application.h"

// TODO(reader): the note window's design and sentence.
fouimais::fouimais() : platform::Window(QStringLiteral("fouimais")) {
  setVisibleAtCreation(false);
  StaticText1 = make<platform::StaticText>(QStringLiteral("StaticText1"));
}
fouimais& fouimais::get() { return platform::Application::current()->instance<fouimais>(); }
void fouimais::eventOpen() {}
void fouimais::eventActivate() {}
void fouimais::Layout() {}
void fouimais::CreateControls() {}
void fouimais::composerPhrase() {}
