#include "mainwindow/Fpr.h"

#include "app/App.h"
#include "app/Menu.h"
#include "mainwindow/keypad.h"
#include "platform/menus.h"
#include "strings/acces.h"
#include "strings/langues.h"

using platform::TextAlign;

Fpr::Fpr() : platform::Window(QStringLiteral("Fpr")), c(app().chinoisarabe.caractereEnCours) {
  Layout();
  CreateControls();
  AddMenuHandlers();
}

Fpr& Fpr::get() { return platform::Application::current()->instance<Fpr>(); }

void Fpr::Layout() {
  setTitle(QStringLiteral(" Calcimandarix"));
  setSize(281, 296);
  setMinSize(244, 345);
  setMaxSize(863, 345);
  setFrame(platform::Frame::Document);
  setBackColor(0x969696);
  setVisibleAtCreation(true);
  setCloseButton(true);
  setResizable(false);
  setMinimizeButton(true);
  // The menu bar comes last: each size setting above would otherwise lay the bar out again.
  setMenuBar(app().menuBar());
}

namespace {

platform::StaticText* makeLabel(Fpr& w, const QString& name, platform::Control* parent, int left, int top, int width,
                                int height, const QString& font, int size, platform::Color color, TextAlign align,
                                bool multiline, int index = 0) {
  auto* label = w.make<platform::StaticText>(name, parent, index);
  label->setBounds(left, top, width, height);
  label->setTextFont(font);
  label->setTextSize(size);
  label->setTextColor(color);
  label->setTextAlign(align);
  label->setMultiline(multiline);
  return label;
}

// How far a keypad key's character stands above the key's middle.
constexpr int captionRise = 3;

void styleKey(platform::BevelButton* key, const QString& font, int size) {
  key->setTextFont(font);
  key->setTextSize(size);
}

}  // namespace

void Fpr::CreateControls() {
  const QString system = QStringLiteral("System");

  EFca = make<platform::EditField>(QStringLiteral("EFca"));
  EFca->setHelpTag(langues::lhca());
  EFca->setBounds(9, 306, 263, 41);
  EFca->setTextSize(18);  // in the default "System" face
  EFca->setBorder(true);
  EFca->setMultiline(true);
  EFca->setStyled(true);
  EFca->setScrollbarVertical(false);
  EFca->setAcceptTabs(false);
  EFca->setLocks(true, true, true, false);
  EFca->setAccessibleName(acces::texte(QStringLiteral("Fpr.EFca")));
  EFca->connectTextChange([this] { EFca_TextChange(); });
  EFca->connectMouseDown([this](int x, int y) { return EFca_MouseDown(x, y); });
  EFca->connectLostFocus([this] { EFca_LostFocus(); });
  EFca->connectGotFocus([this] { EFca_GotFocus(); });
  EFca->connectTabFocus([this] { EFca_TabFocus(); });

  EditField1 = make<platform::EditField>(QStringLiteral("EditField1"), EFca);
  EditField1->setBounds(151, 316, 80, 22);
  EditField1->setVisible(false);
  EditField1->setMultiline(false);
  EditField1->connectGotFocus([this] { EditField1_GotFocus(); });

  StaticText3[1] = makeLabel(*this, QStringLiteral("StaticText3"), EFca, 137, 328, 13, 20, system, 12, 0x000000,
                             TextAlign::Left, false, 1);
  StaticText3[2] = makeLabel(*this, QStringLiteral("StaticText3"), EFca, 151, 328, 34, 20, system, 12, 0x000000,
                             TextAlign::Left, false, 2);
  StaticText3[1]->setLocks(true, false, false, false);
  StaticText3[2]->setLocks(true, false, false, false);

  StaticText2 = make<platform::StaticText>(QStringLiteral("StaticText2"), EFca);
  StaticText2->setText(langues::lfcaractereschinois());
  StaticText2->setBounds(10, 316, 262, 20);
  StaticText2->setTextSize(15);
  StaticText2->setTextColor(0xA7A7A7);
  StaticText2->setTextAlign(TextAlign::Center);

  Canvas4 = make<platform::Canvas>(QStringLiteral("Canvas4"));
  Canvas4->setBackdrop(app().pictures.ecran15());
  Canvas4->setBounds(10, 10, 261, 64);
  Canvas4->setAcceptFocus(true);
  Canvas4->setAcceptTabs(true);
  Canvas4->setUseFocusRing(false);
  Canvas4->setAccessibleName(acces::texte(QStringLiteral("Fpr.Canvas4")));
  Canvas4->connectMouseDown([this](int x, int y) { return Canvas4_MouseDown(x, y); });

  STopera = makeLabel(*this, QStringLiteral("STopera"), Canvas4, 20, 10, 33, 20, system, 11, 0x000000, TextAlign::Left,
                      false);
  STopera->setLocks(true, true, true, false);
  StaticText11 = makeLabel(*this, QStringLiteral("StaticText11"), Canvas4, 130, 10, 136, 20, system, 0, 0xF51077,
                           TextAlign::Right, false);
  StaticText11->setVisible(false);
  StaticText1 = makeLabel(*this, QStringLiteral("StaticText1"), Canvas4, 19, 29, 247, 44, QStringLiteral("Hei"), 20,
                          0x000000, TextAlign::Left, true);
  StaticText3[3] = makeLabel(*this, QStringLiteral("StaticText3"), nullptr, 188, 334, 91, 20, system, 12, 0x000000,
                             TextAlign::Left, false, 3);
  StaticText3[3]->setLocks(true, false, false, false);

  DisclosureTriangle1 = make<platform::DisclosureTriangle>(QStringLiteral("DisclosureTriangle1"));
  DisclosureTriangle1->setHelpTag(langues::lhafficherconvertisseur());
  DisclosureTriangle1->setBounds(10, 274, 14, 12);
  DisclosureTriangle1->setAcceptFocus(false);
  DisclosureTriangle1->setLocks(true, true, true, false);
  DisclosureTriangle1->setAccessibleName(acces::texte(QStringLiteral("Fpr.DisclosureTriangle1")));
  DisclosureTriangle1->connectAction([this] { DisclosureTriangle1_Action(); });

  BevelButton1 = make<platform::BevelButton>(QStringLiteral("BevelButton1"));
  BevelButton1->setHelpTag(langues::lhunpas());
  BevelButton1->setBounds(192, 166, 79, 18);
  BevelButton1->setCaption(QStringLiteral("\u25C1"));
  styleKey(BevelButton1, QStringLiteral("Hei"), 16);
  BevelButton1->setAcceptFocus(true);
  BevelButton1->setLocks(true, true, true, false);
  BevelButton1->setAccessibleName(acces::texte(QStringLiteral("Fpr.BevelButton1")));
  BevelButton1->connectAction([this] { BevelButton1_Action(); });

  DisclosureTriangle2 = make<platform::DisclosureTriangle>(QStringLiteral("DisclosureTriangle2"));
  DisclosureTriangle2->setHelpTag(langues::lhafficherbande());
  DisclosureTriangle2->setBounds(256, 274, 14, 12);
  DisclosureTriangle2->setAcceptFocus(false);
  DisclosureTriangle2->setLocks(true, true, true, false);
  DisclosureTriangle2->setAccessibleName(acces::texte(QStringLiteral("Fpr.DisclosureTriangle2")));
  // The design value: the paper tape window is closed.
  DisclosureTriangle2->setValue(true);
  DisclosureTriangle2->connectAction([this] { DisclosureTriangle2_Action(); });

  EFcr = make<platform::EditField>(QStringLiteral("EFcr"));
  EFcr->setHelpTag(langues::lhcr());
  EFcr->setBounds(9, 357, 263, 25);
  EFcr->setTextSize(16);  // in the default "System" face
  EFcr->setBorder(true);
  EFcr->setMultiline(true);
  EFcr->setScrollbarVertical(false);
  EFcr->setAcceptTabs(false);
  EFcr->setLocks(true, true, true, false);
  EFcr->setAccessibleName(acces::texte(QStringLiteral("Fpr.EFcr")));
  EFcr->connectTextChange([this] { EFcr_TextChange(); });
  EFcr->connectMouseDown([this](int x, int y) { return EFcr_MouseDown(x, y); });
  EFcr->connectGotFocus([this] { EFcr_GotFocus(); });
  EFcr->connectTabFocus([this] { EFcr_TabFocus(); });

  StaticText6 = make<platform::StaticText>(QStringLiteral("StaticText6"), EFcr);
  StaticText6->setText(langues::lfchiffresarabes());
  StaticText6->setBounds(17, 360, 249, 19);
  StaticText6->setTextSize(15);
  StaticText6->setTextColor(0xA7A7A7);
  StaticText6->setTextAlign(TextAlign::Center);
  StaticText6->setLocks(false, false, false, true);

  Tca = make<platform::Timer>(QStringLiteral("Tca"));
  Tcr = make<platform::Timer>(QStringLiteral("Tcr"));

  // The keys and their Arabic captions, in the order they are made: each caption lies above its key.
  const QStringList order = {"BBn",  "BB1000", "BBe",    "BB4",     "BB9",  "BB108", "BB3",   "BB8", "BB104",
                             "BB2",  "BB7",    "BBsous", "BBdiv",   "BB1",  "BB6",   "BB100", "BBp", "STP",
                             "BBad", "BBmu",   "BBz",    "BB5",     "BB10", "ST108", "ST9",   "ste", "STn",
                             "ST10", "ST1000", "ST100",  "ST10000", "ST5",  "ST6",   "ST7",   "ST8", "ST0",
                             "ST1",  "ST3",    "ST2",    "ST4",     "STmu", "STdiv", "STsous"};
  for (const QString& name : order) {
    if (const KeySpec* spec = findKey(name)) {
      auto* button = make<platform::BevelButton>(name);
      button->setBounds(spec->left, spec->top, spec->width, 38);
      styleKey(button, QString::fromLatin1(spec->font), spec->textSize);
      button->setAcceptFocus(false);
      // The key's character stands in its upper part, clear of its Arabic caption below it.
      button->setCaptionRise(captionRise);
      button->setLocks(spec->lockLeft, spec->lockTop, spec->lockRight, false);
      button->setAccessibleName(acces::texte(QStringLiteral("Fpr.") + name));
      button->connectAction([this, handler = spec->handler] { (this->*handler)(); });
      continue;
    }
    for (const KeySpec& spec : keypad()) {
      if (name != QLatin1String(spec.label)) continue;
      platform::Control* parent = name == QLatin1String("STP") ? key(QStringLiteral("BBp")) : nullptr;
      auto* label = makeLabel(*this, name, parent, spec.labelLeft, spec.labelTop, spec.labelWidth, spec.labelHeight,
                              system, spec.labelSize, 0xF51077, TextAlign::Right, false);
      label->setText(QString::fromUtf8(spec.labelText));
      // At the default size the point is a faint dot of two pixels; at the Mac's default size
      // and bold, it is a dot of three each way.
      if (name == QLatin1String("STP")) {
        label->setTextSize(14);
        label->setBold(true);
      }
      label->setLocks(true, true, true, false);
      label->setVisible(false);
    }
  }

  BevelButton2 = make<platform::BevelButton>(QStringLiteral("BevelButton2"));
  BevelButton2->setHelpTag(langues::lheffacertout());
  BevelButton2->setBounds(192, 186, 79, 18);
  BevelButton2->setCaption(QStringLiteral("\u25C1\u25C1"));
  styleKey(BevelButton2, QStringLiteral("hei"), 16);
  BevelButton2->setAcceptFocus(false);
  BevelButton2->setLocks(true, true, true, false);
  BevelButton2->setAccessibleName(acces::texte(QStringLiteral("Fpr.BevelButton2")));
  BevelButton2->connectAction([this] { BevelButton2_Action(); });

  {
    const KeySpec* add = findKey(QStringLiteral("BBad"));
    auto* label = makeLabel(*this, QStringLiteral("STAd"), nullptr, add->labelLeft, add->labelTop, add->labelWidth,
                            add->labelHeight, system, add->labelSize, 0xF51077, TextAlign::Right, false);
    label->setText(QString::fromUtf8(add->labelText));
    label->setLocks(true, true, true, false);
    label->setVisible(false);
  }

  StaticText13 = makeLabel(*this, QStringLiteral("StaticText13"), nullptr, 118, 9, 15, 20, system, 0, 0xF51077,
                           TextAlign::Right, false);
  StaticText13->setVisible(false);

  PushButton1 = make<platform::PushButton>(QStringLiteral("PushButton1"));
  PushButton1->setBounds(19, 64, 16, 20);
  PushButton1->setCaption(QStringLiteral("Sans_titre"));
  PushButton1->setVisible(false);
  PushButton1->connectAction([this] { PushButton1_Action(); });

  Line2 = make<platform::Line>(QStringLiteral("Line2"));
  Line2->setBorderWidth(1);
  Line2->setEndpoints(0, 296, 349, 296);
  Line2->setLineColor(0x000000);
}

platform::BevelButton* Fpr::key(const QString& name) const { return control<platform::BevelButton>(name); }

platform::StaticText* Fpr::keyCaption(const QString& name) const { return control<platform::StaticText>(name); }

void Fpr::AddMenuHandlers() {
  // No item of the bar carries these names, so the application's handlers serve every command.
  addMenuHandler(QStringLiteral("Aboutmen"), [this] { return Aboutmen_Action(); });
  addMenuHandler(QStringLiteral("BandMen"), [this] { return BandMen_Action(); });
  addMenuHandler(QStringLiteral("HelpMen"), [this] { return HelpMen_Action(); });
}

bool Fpr::Aboutmen_Action() { return false; }
bool Fpr::BandMen_Action() { return false; }
bool Fpr::HelpMen_Action() { return false; }

platform::MenuItem* Fpr::menuItem(const QString& name) const { return menuBar() ? menuBar()->lookup(name) : nullptr; }
platform::MenuItem* Fpr::FenetreBandepapier() const { return menuItem(QStringLiteral("FenetreBandepapier")); }
platform::MenuItem* Fpr::FenetreConvertisseur() const { return menuItem(QStringLiteral("FenetreConvertisseur")); }

void Fpr::eventOpen() {
  // Leaves no control with the focus: the hidden field gives it away at once.
  EditField1->setFocus();
}

void Fpr::eventClose() { app().quit(0); }

void Fpr::PushButton1_Action() {}
