// The menu bar: its menus and items with their classes, texts, shortcuts and enabling, the item
// accessors, and the Edit items working on the focused field.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <vector>

#include "app/Menu.h"
#include "support/app_fixture.h"

namespace {

using Kind = platform::MenuItem::Kind;

struct Row {
  const char* parent;  // "" for a menu of the bar
  const char* name;
  Kind kind;
  const char* english;
  const char* french;
  const char* shortcut;  // nullptr: never set
  bool autoEnable;
};

// The bar in its order: each menu followed by its items.
const std::vector<Row>& rows() {
  static const std::vector<Row> all = {
      {"", "EditMen", Kind::AppleMenuItem, "Edit", "Édition", "", false},
      {"EditMen", "EditCut", Kind::Item, "Cut", "Couper", "Cmd+X", false},
      {"EditMen", "EditCopy", Kind::Item, "Copy", "Copier", "Cmd+C", false},
      {"EditMen", "EditPaste", Kind::Item, "Paste", "Coller", "Cmd+V", false},
      {"", "fenetremenu", Kind::Item, "Window", "Fenêtre", "", true},
      {"fenetremenu", "FenetreConvertisseur", Kind::Item, "Converter", "Convertisseur", "", true},
      {"fenetremenu", "FenetreBandepapier", Kind::Item, "Paper tape", "Bande papier", "", true},
      {"", "caracteresMenu", Kind::Item, "Characters", "Caractères", "", true},
      {"caracteresMenu", "caracteresChinoissimplifié", Kind::Item, "Simplified chinese", "Chinois simplifié", "", true},
      {"caracteresMenu", "caracteresChinoistraditionnel", Kind::Item, "Traditional chinese", "Chinois traditionnel", "",
       true},
      {"caracteresMenu", "caracteresChinoissimplifié1", Kind::Item, "Simplified chinese", "Chinois simplifié", "",
       true},
      {"caracteresMenu", "UntitledSeparator0", Kind::Item, "-", "-", nullptr, true},
      {"caracteresMenu", "caracteresnotationsusuelle", Kind::Item, "Usual characters", "Caractères usuels", "", true},
      {"caracteresMenu", "caracteresnotationfinanciere", Kind::Item, "Financial characters", "Caractères financiers",
       "", true},
      {"", "aidemenu", Kind::Item, "Help", "Aide", "", true},
      {"aidemenu", "aideaideacalcimandarix", Kind::Item, "Calcimandarix help", "Aide de Calcimandarix", "", true},
      {"aidemenu", "aideregles", Kind::Item, "Rules of writing", "Règles d'écriture", "", true},
      {"aidemenu", "UntitledSeparator", Kind::Item, "-", "-", nullptr, true},
      {"aidemenu", "AideAfficherlecranencours", Kind::Item, "Current screen", "Écran en chiffres arabes", "", true},
      {"aidemenu", "AideAidesurtouches", Kind::Item, "Help on key", "Aide sur les touches", "", true},
      {"aidemenu", "menuapropos", Kind::AppleMenuItem, "About Calcimandarix", "À propos de Calcimandarix", "", true},
      {"aidemenu", "Preferences", Kind::PrefsMenuItem, "Preferences", "Préférences", "", true},
  };
  return all;
}

// All items of a bar, menus and their items, in the order they stand.
std::vector<platform::MenuItem*> walk(const platform::MenuBar& bar) {
  std::vector<platform::MenuItem*> items;
  for (int m = 0; m < bar.count(); ++m) {
    platform::MenuItem* menu = bar.item(m);
    items.push_back(menu);
    for (int i = 0; i < menu->count(); ++i) items.push_back(menu->item(i));
  }
  return items;
}

class MenuBarTest : public AppFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(MenuBarTest, HoldsTheFourMenusWithTheirItemsInOrder) {
  const bool french = QLatin1String(GetParam()) == QLatin1String("fr");
  setLanguage(QString::fromLatin1(GetParam()));
  start();
  const std::vector<platform::MenuItem*> items = walk(*application().menuBar());
  ASSERT_EQ(application().menuBar()->count(), 4);
  ASSERT_EQ(items.size(), rows().size());
  for (size_t i = 0; i < rows().size(); ++i) {
    const Row& row = rows()[i];
    const platform::MenuItem* item = items[i];
    const std::string name = row.name;
    EXPECT_EQ(item->name(), QString::fromUtf8(row.name)) << i;
    EXPECT_EQ(item->parent() ? item->parent()->name() : QString(), QString::fromUtf8(row.parent)) << name;
    EXPECT_EQ(item->kind(), row.kind) << name;
    EXPECT_EQ(item->text(), QString::fromUtf8(french ? row.french : row.english)) << name;
    EXPECT_EQ(item->autoEnable(), row.autoEnable) << name;
    if (row.shortcut) {
      EXPECT_TRUE(item->keyboardShortcutSet()) << name;
      EXPECT_EQ(item->keyboardShortcut(), QString::fromLatin1(row.shortcut)) << name;
    } else {
      EXPECT_TRUE(item->isSeparator()) << name;
      EXPECT_FALSE(item->keyboardShortcutSet()) << name << ": a separator has no shortcut set at all";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuBarTest, ::testing::Values("en", "fr"));

class MenuTest : public AppFixture {};

TEST_F(MenuTest, TheEditShortcutsAreThePlatformsStandardKeysAndNoOtherItemHasOne) {
  start();
  const std::vector<std::pair<const char*, QKeySequence::StandardKey>> edit = {
      {"EditCut", QKeySequence::Cut}, {"EditCopy", QKeySequence::Copy}, {"EditPaste", QKeySequence::Paste}};
  for (const auto& [name, standard] : edit) {
    EXPECT_EQ(menuItem(QString::fromLatin1(name))->action()->shortcut(), QKeySequence(standard)) << name;
  }
  for (const Row& row : rows()) {
    if (QByteArray(row.name).startsWith("Edit") && *row.parent) continue;
    EXPECT_TRUE(menuItem(QString::fromUtf8(row.name))->action()->shortcut().isEmpty()) << row.name;
  }
}

TEST_F(MenuTest, SeparatorsAreDrawnAsSeparatorsAndAboutAndPreferencesTakeTheApplicationMenuRoles) {
  start();
  for (const Row& row : rows()) {
    QAction* action = menuItem(QString::fromUtf8(row.name))->action();
    EXPECT_EQ(action->isSeparator(), row.shortcut == nullptr) << row.name;
    const QAction::MenuRole role = QLatin1String(row.name) == QLatin1String("menuapropos")   ? QAction::AboutRole
                                   : QLatin1String(row.name) == QLatin1String("Preferences") ? QAction::PreferencesRole
                                                                                             : QAction::NoRole;
    if (*row.parent) {
      EXPECT_EQ(action->menuRole(), role) << row.name;
    }
  }
}

TEST_F(MenuTest, ABarJustBuiltCarriesNoCheckMarkAndShowsEveryItem) {
  start();
  const Menu fresh;
  const std::vector<platform::MenuItem*> items = walk(fresh);
  EXPECT_EQ(items.size(), rows().size());
  for (platform::MenuItem* item : items) {
    EXPECT_FALSE(item->checked()) << item->name().toStdString();
    EXPECT_TRUE(item->visible()) << item->name().toStdString();
    if (item->action()) {
      EXPECT_FALSE(item->action()->isChecked()) << item->name().toStdString();
    }
  }
}

TEST_F(MenuTest, TheTwelveAccessorsFindTheirItemsInTheApplicationsBar) {
  const std::vector<std::pair<const char*, platform::MenuItem* (*)()>> accessors = {
      {"EditMen", EditMen},
      {"fenetremenu", fenetremenu},
      {"caracteresMenu", caracteresMenu},
      {"caracteresChinoissimplifié", caracteresChinoissimplifié},
      {"caracteresChinoistraditionnel", caracteresChinoistraditionnel},
      {"caracteresChinoissimplifié1", caracteresChinoissimplifié1},
      {"caracteresnotationsusuelle", caracteresnotationsusuelle},
      {"caracteresnotationfinanciere", caracteresnotationfinanciere},
      {"aidemenu", aidemenu},
      {"aideregles", aideregles},
      {"AideAfficherlecranencours", AideAfficherlecranencours},
      {"AideAidesurtouches", AideAidesurtouches},
  };
  // With no application running there is no bar to look in.
  for (const auto& [name, accessor] : accessors) EXPECT_EQ(accessor(), nullptr) << name;
  start();
  for (const auto& [name, accessor] : accessors) {
    platform::MenuItem* item = accessor();
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->name(), QString::fromUtf8(name));
    EXPECT_EQ(item, application().menuBar()->lookup(QString::fromUtf8(name)));
  }
  // The main window shows the application's one bar.
  EXPECT_EQ(fpr().menuBar(), application().menuBar());
  EXPECT_EQ(fpr().FenetreConvertisseur(), menuItem(QStringLiteral("FenetreConvertisseur")));
}

TEST_F(MenuTest, EveryItemWithAHandlerIsEnabledWhenItsMenuOpens) {
  start();
  for (const Row& row : rows()) {
    if (!*row.parent || row.shortcut == nullptr || QByteArray(row.parent) == "EditMen") continue;
    platform::MenuItem* item = menuItem(QString::fromUtf8(row.name));
    emit item->parent()->menu()->aboutToShow();
    // The simplified item that the language leaves hidden cannot be chosen at all.
    EXPECT_EQ(item->action()->isEnabled(), item->visible()) << row.name;
  }
}

struct CharactersOrder {
  const char* bcp47;
  std::vector<const char*> visible;  // the Characters menu's visible items, separators left out
  bool rulesShown;
};

class MenuVisibilityTest : public AppFixture, public ::testing::WithParamInterface<CharactersOrder> {};

TEST_P(MenuVisibilityTest, TheCharactersMenuOrderAndTheRulesItemFollowTheLanguage) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();
  std::vector<QString> shown;
  platform::MenuItem* menu = caracteresMenu();
  for (int i = 0; i < menu->count(); ++i) {
    QAction* action = menu->item(i)->action();
    if (action->isVisible() && !action->isSeparator()) shown.push_back(action->text());
  }
  std::vector<QString> expected;
  for (const char* text : GetParam().visible) expected.push_back(QString::fromUtf8(text));
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(aideregles()->visible(), GetParam().rulesShown);
  EXPECT_EQ(aideregles()->action()->isVisible(), GetParam().rulesShown);
  for (platform::MenuItem* m : {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()}) {
    EXPECT_TRUE(m->action()->isVisible()) << m->name().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MenuVisibilityTest,
    ::testing::Values(
        CharactersOrder{"zh-TW", {"繁體中文", "簡體中文", "小寫數字", "大寫數字"}, false},
        CharactersOrder{"zh-CN", {"简体中文", "繁体中文", "小写数字", "大写数字"}, false},
        CharactersOrder{
            "fr", {"Chinois simplifié", "Chinois traditionnel", "Caractères usuels", "Caractères financiers"}, true},
        CharactersOrder{
            "", {"Simplified chinese", "Traditional chinese", "Usual characters", "Financial characters"}, true}),
    [](const auto& info) { return languageTestName(info.param.bcp47); });

TEST_F(MenuTest, TheEditItemsCutCopyAndPasteInTheFocusedField) {
  start();
  platform::EditField* field = fpr().EFcr;
  // Without a focused field there is nothing to cut, copy or paste.
  for (const char* name : {"EditCut", "EditCopy", "EditPaste"}) {
    platform::MenuItem* item = menuItem(QString::fromLatin1(name));
    emit item->parent()->menu()->aboutToShow();
    EXPECT_FALSE(item->action()->isEnabled()) << name;
  }
  click(QStringLiteral("EFcr"));
  ASSERT_TRUE(field->hasFocus());
  field->setText(QStringLiteral("1234"));
  QApplication::clipboard()->clear();

  field->setSelStart(1);
  field->setSelLength(2);
  chooseMenu(QStringLiteral("EditCopy"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("23"));
  EXPECT_EQ(field->text(), QStringLiteral("1234"));

  field->setSelStart(0);
  field->setSelLength(1);
  chooseMenu(QStringLiteral("EditCut"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1"));
  EXPECT_EQ(field->text(), QStringLiteral("234"));

  field->setSelStart(3);
  field->setSelLength(0);
  QApplication::clipboard()->setText(QStringLiteral("5"));
  chooseMenu(QStringLiteral("EditPaste"));
  EXPECT_EQ(field->text(), QStringLiteral("2345"));
}

}  // namespace
