// What a screen reader reads of the windows, through Qt's accessibility interfaces: every static
// text as a label of the text it shows, the other controls by names in the interface language,
// the event that makes a reader speak a changed text, radio buttons as radio buttons, and a
// check box that a click on its words toggles.

#include <QAccessible>
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <string>
#include <utility>
#include <vector>

#include "calculator/fband.h"
#include "dialogs/FPreferences.h"
#include "dialogs/Fbienvenueavec.h"
#include "dialogs/fapropos.h"
#include "numerals/fouimais.h"
#include "numerals/reader_fixture.h"
#include "platform/widgets_p.h"
#include "platform/window.h"
#include "strings/acces.h"
#include "strings/langues.h"

namespace {

QAccessibleInterface* accessibleOf(const platform::Control& control) {
  return QAccessible::queryAccessibleInterface(control.widget());
}

std::string nameOf(const platform::Control& control) {
  return control.name().toStdString() + (control.index() ? "(" + std::to_string(control.index()) + ")" : "");
}

// The about box's two labels that a click opens: the mail and the web site.
bool isLink(const platform::Window& window, const platform::Control& label) {
  return window.className() == QLatin1String("fapropos") &&
         (label.name() == QLatin1String("StaticText4") || label.name() == QLatin1String("StaticText5"));
}

// Every static text of the window reads as a label (a link, for one that a click opens) whose
// name, and whose text, is what it shows.
void expectLabelsReadTheirText(const platform::Window& window) {
  SCOPED_TRACE(window.className().toStdString());
  for (const auto& control : window.controls()) {
    const auto* label = dynamic_cast<const platform::StaticText*>(control.get());
    if (!label) continue;
    QAccessibleInterface* read = accessibleOf(*label);
    ASSERT_NE(read, nullptr) << nameOf(*label);
    const QString shown = platform::displayText(label->text());
    EXPECT_EQ(read->role(), isLink(window, *label) ? QAccessible::Link : QAccessible::StaticText) << nameOf(*label);
    EXPECT_EQ(read->state().linked, isLink(window, *label)) << nameOf(*label);
    EXPECT_EQ(read->text(QAccessible::Name), shown) << nameOf(*label);
    EXPECT_TRUE(read->state().readOnly) << nameOf(*label);
    EXPECT_EQ(read->state().invisible, !label->widget()->isVisible()) << nameOf(*label);
    QAccessibleTextInterface* text = read->textInterface();
    ASSERT_NE(text, nullptr) << nameOf(*label);
    EXPECT_EQ(text->text(0, text->characterCount()), shown) << nameOf(*label);
  }
}

// What a reader would meet without a name: any control on screen but an empty text, a rule, or
// a canvas that shows nothing and takes no keyboard.
void expectNothingShownUnnamed(const platform::Window& window) {
  SCOPED_TRACE(window.className().toStdString());
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(window.widget())->text(QAccessible::Name).isEmpty())
      << "the window has no name";
  for (const auto& control : window.controls()) {
    QWidget* widget = control->widget();
    if (!widget || !widget->isVisibleTo(window.widget())) continue;
    if (dynamic_cast<const platform::Line*>(control.get()) || dynamic_cast<const platform::Separator*>(control.get())) {
      continue;
    }
    if (auto* label = dynamic_cast<const platform::StaticText*>(control.get()); label && label->text().isEmpty()) {
      continue;
    }
    if (auto* canvas = dynamic_cast<const platform::Canvas*>(control.get());
        canvas && canvas->backdrop().isNull() && !canvas->acceptFocus()) {
      continue;
    }
    QAccessibleInterface* read = accessibleOf(*control);
    ASSERT_NE(read, nullptr) << nameOf(*control);
    EXPECT_FALSE(read->text(QAccessible::Name).isEmpty()) << nameOf(*control) << " has no name";
  }
}

class AccessibilityTest : public ReaderFixture {
 protected:
  platform::Control* in(const char* windowClass, const char* name) {
    return find(QString::fromLatin1(name), QString::fromLatin1(windowClass));
  }
};

// ---- Every window, in each interface language ----

class AccessibleWindows : public AccessibilityTest, public ::testing::WithParamInterface<const char*> {};

// The labels follow a calculation, a conversion and a change of table; the other windows, once
// open, read the same way, and nothing shown goes unnamed.
TEST_P(AccessibleWindows, EveryStaticTextReadsWhatItShowsAndEveryControlHasAName) {
  startWith(CharacterTable::SimplifiedUsual, QString::fromLatin1(GetParam()));
  chooseMenu(QStringLiteral("AideAfficherlecranencours"));
  chooseMenu(QStringLiteral("AideAidesurtouches"));
  expectLabelsReadTheirText(fpr());

  keyIn(QStringLiteral("十二"));
  press(QStringLiteral("BBad"));
  ASSERT_FALSE(operatorText().isEmpty());
  expectLabelsReadTheirText(fpr());
  keyIn(QStringLiteral("三"));
  press(QStringLiteral("BBe"));
  EXPECT_EQ(accessibleOf(*fpr().StaticText1)->text(QAccessible::Name), QStringLiteral("十五"));
  EXPECT_EQ(accessibleOf(*fpr().StaticText11)->text(QAccessible::Name), QStringLiteral("15"));
  expectLabelsReadTheirText(fpr());

  chooseMenu(QStringLiteral("FenetreConvertisseur"));
  convert(QStringLiteral("一百零二"));
  ASSERT_EQ(arabicField(), QStringLiteral("102"));
  expectLabelsReadTheirText(fpr());

  chooseMenu(QStringLiteral("caracteresChinoistraditionnel"));
  chooseMenu(QStringLiteral("caracteresnotationfinanciere"));
  click(QStringLiteral("Canvas4"));
  keyIn(QStringLiteral("壹萬"));
  expectLabelsReadTheirText(fpr());
  // The keys describe the characters of the table now in force.
  EXPECT_EQ(accessibleOf(*fpr().key(QStringLiteral("BB4")))->text(QAccessible::Description), QStringLiteral("肆"));
  expectNothingShownUnnamed(fpr());

  chooseMenu(QStringLiteral("FenetreBandepapier"));
  ASSERT_NE(application().liveInstance<fband>(), nullptr);
  expectNothingShownUnnamed(*application().liveInstance<fband>());
  convert(QStringLiteral("一"));
  ASSERT_TRUE(noteShown());
  expectLabelsReadTheirText(*application().liveInstance<fouimais>());
  expectNothingShownUnnamed(*application().liveInstance<fouimais>());
  chooseMenu(QStringLiteral("menuapropos"));
  expectLabelsReadTheirText(*application().liveInstance<fapropos>());
  expectNothingShownUnnamed(*application().liveInstance<fapropos>());
  chooseMenu(QStringLiteral("Preferences"));
  expectLabelsReadTheirText(*application().liveInstance<FPreferences>());
  expectNothingShownUnnamed(*application().liveInstance<FPreferences>());
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleWindows, ::testing::Values("en", "fr", "zh-CN", "zh-TW", "de"),
                         [](const auto& info) { return languageTestName(info.param); });

// The names and descriptions come from the table of the interface language; a language without
// a table of ours reads the English one.
TEST_F(AccessibilityTest, NamesAndDescriptionsAreInTheInterfaceLanguage) {
  struct Case {
    const char* language;
    const char* window;
    const char* control;
    const char* name;
  };
  const std::vector<Case> cases = {
      {"en", "Fpr", "BB4", "four"},
      {"en", "Fpr", "BB104", "ten thousand"},
      {"en", "Fpr", "Canvas4", "Calculator display"},
      {"en", "fband", "BevelButton1", "clear paper tape"},
      {"en", "FPreferences", "GroupBox3", "Notation"},
      {"fr", "Fpr", "BB4", "quatre"},
      {"fr", "Fpr", "BBad", "additionner"},
      {"fr", "Fpr", "EFca", "Nombres chinois"},
      {"fr", "fband", "EditField1", "Bande papier"},
      {"fr", "fapropos", "Canvas1", "Icône de Calcimandarix"},
      {"zh-CN", "Fpr", "BB104", "万"},
      {"zh-CN", "Fpr", "BBe", "等于"},
      {"zh-CN", "Fpr", "DisclosureTriangle2", "纸带"},
      {"zh-CN", "FPreferences", "GroupBox2", "字符"},
      {"zh-TW", "Fpr", "BB104", "萬"},
      {"zh-TW", "Fpr", "BBe", "等於"},
      {"zh-TW", "Fpr", "BevelButton1", "刪除"},
      {"zh-TW", "fband", "BevelButton1", "清除紙帶"},
      {"de", "Fpr", "BB4", "four"},
      {"de", "Fpr", "EFcr", "Arabic numerals"},
  };
  QString started;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.window + "." + c.control);
    if (started != QLatin1String(c.language)) {
      if (started.isEmpty()) {
        startWith(CharacterTable::TraditionalFinancial, QString::fromLatin1(c.language));
      } else {
        setLanguage(QString::fromLatin1(c.language));
        restart();
      }
      started = QString::fromLatin1(c.language);
      chooseMenu(QStringLiteral("FenetreBandepapier"));
      chooseMenu(QStringLiteral("menuapropos"));
      chooseMenu(QStringLiteral("Preferences"));
    }
    platform::Control* control = in(c.window, c.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(accessibleOf(*control)->text(QAccessible::Name), QString::fromUtf8(c.name));
  }
  // A key's description is the character it carries; a field's is its help tag.
  EXPECT_EQ(accessibleOf(*fpr().key(QStringLiteral("BB4")))->text(QAccessible::Description),
            fpr().key(QStringLiteral("BB4"))->caption());
  EXPECT_EQ(accessibleOf(*fpr().EFca)->text(QAccessible::Description), langues::lhca());
}

// A window reads as one, under its title or, untitled, under a name of its own; the movable
// modal preferences as a dialog; the display as the pane that holds its texts; a rule as a
// separator.
TEST_F(AccessibilityTest, WindowsReadAsWindowsAndDialogs) {
  startWith(CharacterTable::SimplifiedUsual, QStringLiteral("fr"));
  chooseMenu(QStringLiteral("FenetreConvertisseur"));
  chooseMenu(QStringLiteral("FenetreBandepapier"));
  convert(QStringLiteral("壹"));
  chooseMenu(QStringLiteral("menuapropos"));
  chooseMenu(QStringLiteral("Preferences"));
  const struct {
    const char* window;
    QAccessible::Role role;
    const char* name;
  } cases[] = {
      {"Fpr", QAccessible::Window, " Calcimandarix"},
      {"fband", QAccessible::Window, "Bande papier"},
      {"fouimais", QAccessible::Window, "Remarque"},
      {"fapropos", QAccessible::Window, "À propos de Calcimandarix"},
      {"FPreferences", QAccessible::Dialog, "Préférences"},
  };
  for (const auto& c : cases) {
    platform::Window* w = window(QString::fromLatin1(c.window));
    ASSERT_NE(w, nullptr) << c.window;
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(w->widget());
    EXPECT_EQ(read->role(), c.role) << c.window;
    EXPECT_EQ(read->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.window;
  }
  EXPECT_EQ(accessibleOf(*fpr().Canvas4)->role(), QAccessible::Pane);
  // Rules read as separators, not as frames that a reader would take for windows.
  EXPECT_EQ(accessibleOf(*fpr().Line2)->role(), QAccessible::Separator);
  EXPECT_EQ(accessibleOf(*application().liveInstance<FPreferences>()->Separator1)->role(), QAccessible::Separator);
  // The display's texts are its children in the tree a reader walks.
  EXPECT_EQ(accessibleOf(*fpr().StaticText1)->parent()->object(), fpr().Canvas4->widget());
}

// A closed window's controls leave Qt's accessibility cache with their widgets: a screen reader
// must not reach them, nor find their interfaces under the widgets of the window opened anew.
TEST_F(AccessibilityTest, AClosedWindowsControlsLeaveTheAccessibleTree) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("menuapropos"));
  fapropos* about = application().liveInstance<fapropos>();
  ASSERT_NE(about, nullptr);
  std::vector<QAccessible::Id> ids;
  for (const auto& control : about->controls()) ids.push_back(QAccessible::uniqueId(accessibleOf(*control)));
  const QPointer<QWidget> gone = about->StaticText1->widget();
  about->close();
  processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(application().liveInstance<fapropos>(), nullptr);
  ASSERT_TRUE(gone.isNull());
  for (QAccessible::Id id : ids) EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << id;
  chooseMenu(QStringLiteral("menuapropos"));
  expectLabelsReadTheirText(*application().liveInstance<fapropos>());
  expectNothingShownUnnamed(*application().liveInstance<fapropos>());
}

// A screen reader presses a link of the about box as a click does: the mail link hands the
// mail address to the desktop, the web link the site.
TEST_F(AccessibilityTest, TheAboutBoxsLinksArePressedAsClicked) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("menuapropos"));
  fapropos* about = application().liveInstance<fapropos>();
  ASSERT_NE(about, nullptr);
  for (platform::StaticText* link : {about->StaticText4, about->StaticText5}) {
    QAccessibleActionInterface* actions = accessibleOf(*link)->actionInterface();
    ASSERT_NE(actions, nullptr) << nameOf(*link);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction())) << nameOf(*link);
    actions->doAction(QAccessibleActionInterface::pressAction());
  }
  ASSERT_EQ(services().urls.size(), 2);
  EXPECT_TRUE(services().urls.at(0).startsWith(QStringLiteral("mailto:")));
  EXPECT_TRUE(services().urls.at(1).startsWith(QStringLiteral("http")));
  // A label that takes no click has nothing to press.
  EXPECT_FALSE(accessibleOf(*about->StaticText3)
                   ->actionInterface()
                   ->actionNames()
                   .contains(QAccessibleActionInterface::pressAction()));
}

// ---- The welcome window ----

struct WelcomeCase {
  const char* language;
  const char* openSettings;
  const char* ok;
  const char* box;
  const char* picture;  // "" when it has none
};

class AccessibleWelcome : public AccessibilityTest, public ::testing::WithParamInterface<WelcomeCase> {};

// The buttons read their captions, or in the Chinese interfaces the words that the picture draws
// on them; the box, the samples and the picture read the picture's words.
TEST_P(AccessibleWelcome, ReadsTheWordsOfItsPicture) {
  const WelcomeCase& c = GetParam();
  setLanguage(QString::fromLatin1(c.language));
  if (!*c.language) withoutTables();
  writePrefs(prefsBytes(true, true, true, true));
  bool shown = false;
  onNextModal([&](platform::Window& w) {
    shown = true;
    auto& welcome = static_cast<Fbienvenueavec&>(w);
    const auto read = [](platform::Control* control) { return accessibleOf(*control); };
    EXPECT_EQ(read(welcome.PushButton1)->role(), QAccessible::Button);
    EXPECT_EQ(read(welcome.PushButton1)->text(QAccessible::Name), QString::fromUtf8(c.openSettings));
    EXPECT_EQ(read(welcome.PushButton2)->text(QAccessible::Name), QString::fromUtf8(c.ok));
    EXPECT_EQ(read(welcome.CheckBox1)->role(), QAccessible::CheckBox);
    EXPECT_EQ(read(welcome.CheckBox1)->text(QAccessible::Name), QString::fromUtf8(c.box));
    EXPECT_EQ(read(welcome.Canvas1)->role(), QAccessible::Graphic);
    EXPECT_EQ(read(welcome.Canvas2)->role(), QAccessible::Graphic);
    EXPECT_EQ(read(welcome.Canvas1)->text(QAccessible::Name), acces::texte(QStringLiteral("Fbienvenueavec.Canvas1")));
    EXPECT_EQ(read(welcome.Canvas3)->text(QAccessible::Name), QString::fromUtf8(c.picture));
    if (*c.picture) {
      EXPECT_EQ(read(welcome.Canvas3)->role(), QAccessible::Graphic);
      EXPECT_TRUE(read(welcome.Canvas3)->text(QAccessible::Description).contains(QStringLiteral("零")));
    }
    expectNothingShownUnnamed(welcome);
    w.close();
  });
  start();
  EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AccessibleWelcome,
    ::testing::Values(
        WelcomeCase{"en", "Open the system’s language settings", "OK", "Do not show this window at start",
                    "Welcome to Calcimandarix"},
        WelcomeCase{"fr", "Ouvrir les réglages de langue du système", "OK",
                    "Ne plus afficher cette fenêtre au démarrage", "Bienvenue dans Calcimandarix"},
        WelcomeCase{"zh-CN", "打开系统语言设置", "确定", "启动时不再显示此窗口", "欢迎使用 Calcimandarix"},
        WelcomeCase{"zh-TW", "開啟系統語言設定", "確定", "啟動時不再顯示此視窗", "歡迎使用 Calcimandarix"},
        // No table at all: no picture and no captions, the English names.
        WelcomeCase{"", "Open the system’s language settings", "OK", "Do not show this window at start", ""}),
    [](const auto& info) { return languageTestName(info.param.language); });

// The box is 225 pixels wide, its words drawn beside it in the picture: a click anywhere in its
// bounds toggles it, as on the design's platform, and a click beyond them does not.
TEST_F(AccessibilityTest, AClickOnTheWelcomeBoxsWordsTogglesIt) {
  setLanguage(QStringLiteral("en"));
  writePrefs(prefsBytes(true, true, true, true));
  const struct {
    QPoint at;  // in the window's content
    bool toggles;
    const char* where;
  } clicks[] = {
      {{27, 479}, true, "on the box"},
      {{90, 479}, true, "on the words"},
      {{243, 486}, true, "at the far corner of its bounds"},
      {{250, 479}, false, "beyond its width"},
      {{90, 466}, false, "above it"},
  };
  bool shown = false;
  onNextModal([&](platform::Window& w) {
    shown = true;
    auto& welcome = static_cast<Fbienvenueavec&>(w);
    QWindow* handle = w.widget()->windowHandle();
    ASSERT_NE(handle, nullptr);
    bool ticked = false;
    for (const auto& click : clicks) {
      QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, w.content()->mapTo(w.widget(), click.at));
      processEvents();
      if (click.toggles) ticked = !ticked;
      EXPECT_EQ(welcome.CheckBox1->value(), ticked) << click.where;
      EXPECT_EQ(accessibleOf(*welcome.CheckBox1)->state().checked, ticked) << click.where;
    }
    w.close();
  });
  start();
  ASSERT_TRUE(shown);
  // Ticked by its words, it turned the window off.
  EXPECT_EQ(readPrefs().at(0), 0);
}

// ---- The preferences dialog ----

TEST_F(AccessibilityTest, PreferencesRadioButtonsReadAsRadioButtonsOfTheirGroup) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("Preferences"));
  FPreferences* dialog = application().liveInstance<FPreferences>();
  ASSERT_NE(dialog, nullptr);
  const std::vector<platform::RadioButton*> radios = {dialog->RBafficherbienvenue, dialog->RBnepasafficherbienvenue,
                                                      dialog->RBsimplifie,         dialog->RBtraditionnel,
                                                      dialog->RBusuelle,           dialog->RBfinanciere};
  const auto expectStates = [&](const char* when) {
    for (platform::RadioButton* radio : radios) {
      QAccessibleInterface* read = accessibleOf(*radio);
      EXPECT_EQ(read->role(), QAccessible::RadioButton) << nameOf(*radio) << " " << when;
      EXPECT_EQ(read->text(QAccessible::Name), radio->caption()) << nameOf(*radio);
      EXPECT_TRUE(read->state().checkable) << nameOf(*radio);
      EXPECT_EQ(read->state().checked, radio->value()) << nameOf(*radio) << " " << when;
    }
  };
  expectStates("at opening");
  ASSERT_TRUE(dialog->RBsimplifie->value());
  press(QStringLiteral("RBtraditionnel"), QStringLiteral("FPreferences"));
  EXPECT_TRUE(dialog->RBtraditionnel->value());
  EXPECT_FALSE(dialog->RBsimplifie->value());
  expectStates("after a click");
  // A click on the button that is on leaves it on.
  press(QStringLiteral("RBtraditionnel"), QStringLiteral("FPreferences"));
  EXPECT_TRUE(dialog->RBtraditionnel->value());
  expectStates("after a second click");
  // Code may leave a group with none on.
  dialog->RBtraditionnel->setValue(false);
  EXPECT_FALSE(dialog->RBtraditionnel->widget()->property("checked").toBool());
  expectStates("after clearing in code");
}

TEST_F(AccessibilityTest, AClickOnTheWordsOfTheDefaultBoxTogglesIt) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("Preferences"));
  FPreferences* dialog = application().liveInstance<FPreferences>();
  ASSERT_NE(dialog, nullptr);
  const bool before = dialog->CBdefaut->value();
  // Right of its caption, still within its 200 pixels.
  QTest::mouseClick(dialog->CBdefaut->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(180, 10));
  processEvents();
  EXPECT_NE(dialog->CBdefaut->value(), before);
  // Its Action ran: the groups follow the box.
  EXPECT_EQ(dialog->GroupBox2->enabled(), before);
}

// ---- The event that makes a reader speak ----

// What the desktop's screen reader is told goes through the services seam, which the fixture
// records: headless, Qt itself has no screen reader to tell.
class NameChangeTest : public AccessibilityTest {
 protected:
  // The names heard for the control's widget, in order.
  std::vector<QString> heardFor(const platform::Control* control) {
    std::vector<QString> names;
    for (const auto& heard : services().accessibilityEvents) {
      if (heard.object == control->widget() && heard.type == QAccessible::NameChanged) names.push_back(heard.name);
    }
    return names;
  }
  // Hears what a screen reader is told from now on, and nothing of before.
  void listenFromNow() {
    services().hearAccessibility = true;
    services().accessibilityEvents.clear();
  }
};

// Each new text of the display, the echo, the operator and its symbol is heard as it comes.
TEST_F(NameChangeTest, TheDisplayTextsAreHeardAsTheyChange) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("AideAfficherlecranencours"));
  listenFromNow();
  keyIn(QStringLiteral("十二"));
  press(QStringLiteral("BBad"));
  keyIn(QStringLiteral("三"));
  press(QStringLiteral("BBe"));
  const Fpr& w = fpr();
  for (const platform::StaticText* label : {w.StaticText1, w.StaticText11, w.STopera, w.StaticText13}) {
    const std::vector<QString> names = heardFor(label);
    ASSERT_FALSE(names.empty()) << nameOf(*label) << " was never heard";
    EXPECT_EQ(names.back(), platform::displayText(label->text())) << nameOf(*label);
  }
  const std::vector<QString> display = heardFor(w.StaticText1);
  EXPECT_EQ(display.front(), QStringLiteral("十"));
  EXPECT_EQ(display.back(), QStringLiteral("十五"));
  EXPECT_EQ(heardFor(w.StaticText11).back(), QStringLiteral("15"));

  // The same text again says nothing new.
  listenFromNow();
  fpr().StaticText1->setText(fpr().StaticText1->text());
  EXPECT_TRUE(heardFor(w.StaticText1).empty());
}

TEST_F(NameChangeTest, TheNotesSentenceIsHeardWhenTheNoteOpens) {
  startWith(CharacterTable::SimplifiedUsual);
  chooseMenu(QStringLiteral("FenetreConvertisseur"));
  listenFromNow();
  convert(QStringLiteral("壹"));
  ASSERT_TRUE(noteShown());
  const fouimais* note = application().liveInstance<fouimais>();
  const std::vector<QString> names = heardFor(note->StaticText1);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.back(), note->StaticText1->text());
  EXPECT_TRUE(names.back().startsWith(langues::lfouimais1()));
}

}  // namespace
