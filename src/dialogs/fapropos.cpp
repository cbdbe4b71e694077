#include "dialogs/fapropos.h"

#include "app/App.h"
#include "platform/application.h"
#include "strings/acces.h"
#include "strings/langues.h"

using platform::TextAlign;

namespace {

// The maker's addresses; a click hands the system these constants, never the labels' texts.
const char* const supportMailUrl = "mailto:support@example.org";
const char* const supportMailShown = "support@example.org";
const char* const webSiteUrl = "https://www.example.org/calcimandarix";
const char* const webSiteShown = "www.example.org/calcimandarix";

constexpr platform::Color linkHoverColor = platform::RGB(0, 0, 225);
constexpr platform::Color plainColor = platform::RGB(0, 0, 0);

platform::StaticText* makeLabel(fapropos& w, const QString& name, const QString& text, int left, int top, int width,
                                int height, TextAlign align, bool multiline, int size) {
  auto* label = w.make<platform::StaticText>(name);
  label->setText(text);
  label->setBounds(left, top, width, height);
  label->setTextSize(size);
  label->setTextAlign(align);
  label->setMultiline(multiline);
  return label;
}

void hover(platform::StaticText* label, bool over) {
  label->setTextColor(over ? linkHoverColor : plainColor);
  label->setUnderline(over);
}

}  // namespace

fapropos::fapropos() : platform::Window(QStringLiteral("fapropos")) {
  Layout();
  CreateControls();
}

fapropos& fapropos::get() { return platform::Application::current()->instance<fapropos>(); }

void fapropos::Layout() {
  setTitle(QString());
  // Untitled, it is still named for a screen reader, as the menu item that opens it.
  setAccessibleName(langues::lmapropos());
  setSize(228, 284);
  setMinSize(64, 64);
  setMaxSize(32000, 32000);
  setFrame(platform::Frame::Floating);
  setPlacement(platform::Placement::MainScreen);
  setBackColor(platform::RGB(255, 255, 255));
  setVisibleAtCreation(true);
  setCloseButton(true);
  setMinimizeButton(false);
  setResizable(false);
}

void fapropos::CreateControls() {
  Canvas1 = make<platform::Canvas>(QStringLiteral("Canvas1"));
  Canvas1->setBackdrop(app().pictures.Icone64());
  Canvas1->setBounds(82, 32, 64, 64);
  Canvas1->setUseFocusRing(false);
  Canvas1->setAccessibleName(acces::texte(QStringLiteral("fapropos.Canvas1")));

  StaticText1 = makeLabel(*this, QStringLiteral("StaticText1"), langues::lfgratuiciel(), 0, 170, 228, 52,
                          TextAlign::Center, true, 12);
  // The product name is not localized.
  StaticText2 = makeLabel(*this, QStringLiteral("StaticText2"), QStringLiteral("Calcimandarix"), -4, 102, 228, 20,
                          TextAlign::Center, false, 18);
  StaticText3 = makeLabel(*this, QStringLiteral("StaticText3"), langues::lfversion(), 0, 124, 228, 17,
                          TextAlign::Center, false, 12);

  StaticText4 = makeLabel(*this, QStringLiteral("StaticText4"), QString::fromLatin1(supportMailShown), 0, 248, 228, 16,
                          TextAlign::Left, true, 12);
  StaticText4->connectMouseExit([this] { StaticText4_MouseExit(); });
  StaticText4->connectMouseEnter([this] { StaticText4_MouseEnter(); });
  StaticText4->connectMouseDown([this](int x, int y) { return StaticText4_MouseDown(x, y); });

  StaticText5 = makeLabel(*this, QStringLiteral("StaticText5"), QString::fromLatin1(webSiteShown), 4, 261, 220, 16,
                          TextAlign::Center, false, 12);
  StaticText5->connectMouseExit([this] { StaticText5_MouseExit(); });
  StaticText5->connectMouseEnter([this] { StaticText5_MouseEnter(); });
  StaticText5->connectMouseDown([this](int x, int y) { return StaticText5_MouseDown(x, y); });
}

void fapropos::StaticText4_MouseExit() { hover(StaticText4, false); }
void fapropos::StaticText4_MouseEnter() { hover(StaticText4, true); }

bool fapropos::StaticText4_MouseDown(int, int) {
  platform::ShowURL(QString::fromLatin1(supportMailUrl));
  return false;
}

void fapropos::StaticText5_MouseExit() { hover(StaticText5, false); }
void fapropos::StaticText5_MouseEnter() { hover(StaticText5, true); }

bool fapropos::StaticText5_MouseDown(int, int) {
  platform::ShowURL(QString::fromLatin1(webSiteUrl));
  return false;
}
