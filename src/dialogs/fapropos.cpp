#include "dialogs/fapropos.h"

#include "platform/application.h"

// TODO(about box).
fapropos::fapropos() : platform::Window(QStringLiteral("fapropos")) {}
fapropos& fapropos::get() { return platform::Application::current()->instance<fapropos>(); }
void fapropos::StaticText4_MouseExit() {}
void fapropos::StaticText4_MouseEnter() {}
bool fapropos::StaticText4_MouseDown(int, int) { return false; }
void fapropos::StaticText5_MouseExit() {}
void fapropos::StaticText5_MouseEnter() {}
bool fapropos::StaticText5_MouseDown(int, int) { return false; }
void fapropos::Layout() {}
void fapropos::CreateControls() {}
