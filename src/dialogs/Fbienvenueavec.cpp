#include "dialogs/Fbienvenueavec.h"

#include "platform/application.h"

// TODO(welcome).
Fbienvenueavec::Fbienvenueavec() : platform::Window(QStringLiteral("Fbienvenueavec")) {
  setVisibleAtCreation(false);
  Canvas1 = make<platform::Canvas>(QStringLiteral("Canvas1"));
  Canvas2 = make<platform::Canvas>(QStringLiteral("Canvas2"));
  PushButton1 = make<platform::PushButton>(QStringLiteral("PushButton1"));
  PushButton2 = make<platform::PushButton>(QStringLiteral("PushButton2"));
  CheckBox1 = make<platform::CheckBox>(QStringLiteral("CheckBox1"));
  Canvas3 = make<platform::Canvas>(QStringLiteral("Canvas3"));
}
Fbienvenueavec& Fbienvenueavec::get() { return platform::Application::current()->instance<Fbienvenueavec>(); }
void Fbienvenueavec::PushButton1_Action() {}
void Fbienvenueavec::PushButton2_Action() { close(); }
void Fbienvenueavec::eventOpen() {}
void Fbienvenueavec::eventClose() {}
void Fbienvenueavec::Layout() {}
void Fbienvenueavec::CreateControls() {}
