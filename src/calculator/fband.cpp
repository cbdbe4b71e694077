#include "calculator/fband.h"

#include "platform/application.h"

// TODO(tape window).
fband::fband() : platform::Window(QStringLiteral("fband")) {
  EditField1 = make<platform::EditField>(QStringLiteral("EditField1"));
  BevelButton1 = make<platform::BevelButton>(QStringLiteral("BevelButton1"));
}
fband& fband::get() { return platform::Application::current()->instance<fband>(); }
void fband::BevelButton1_Action() {}
bool fband::Untitled_Action() { return true; }
void fband::eventOpen() {}
void fband::eventClose() {}
void fband::Layout() {}
void fband::CreateControls() {}
