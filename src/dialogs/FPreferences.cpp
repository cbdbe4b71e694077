#include "dialogs/FPreferences.h"

#include "platform/application.h"

// TODO(preferences).
FPreferences::FPreferences() : platform::Window(QStringLiteral("FPreferences")) {}
FPreferences& FPreferences::get() { return platform::Application::current()->instance<FPreferences>(); }
void FPreferences::RBafficherbienvenue_Action() {}
void FPreferences::RBsimplifie_Action() {}
void FPreferences::RBtraditionnel_Action() {}
void FPreferences::CBdefaut_Action() {}
void FPreferences::PBOK_Action() {}
void FPreferences::eventOpen() {}
void FPreferences::Layout() {}
void FPreferences::CreateControls() {}
