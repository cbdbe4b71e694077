// Menu items: check marks that handlers read as they were, the standard edit keys, the
// application-menu roles, visibility, and handlers bound by name without regard to case.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "platform/menus.h"
#include "platform/platform_fixture.h"

namespace {

using platform::MenuBar;
using platform::MenuItem;
using platform_test::PlatformTest;
using platform_test::WindowA;
using Kind = platform::MenuItem::Kind;

class MenusTest : public PlatformTest {
 protected:
  MenusTest() {
    auto bar = std::make_unique<MenuBar>();
    addMenu(*bar, "EditMen", "Edit", Kind::AppleMenuItem,
            {{"EditCut", "Cut", "Cmd+X", Kind::Item},
             {"EditCopy", "Copy", "Cmd+C", Kind::Item},
             {"EditPaste", "Paste", "Cmd+V", Kind::Item}});
    addMenu(*bar, "caracteresMenu", "Characters", Kind::Item,
            {{"caracteresChinoissimplifié", "Simplified chinese", "", Kind::Item},
             {"UntitledSeparator0", "-", nullptr, Kind::Item},
             {"Quitter", "Quit", "Cmd+Q", Kind::Item}});
    addMenu(*bar, "aidemenu", "Help", Kind::Item,
            {{"aideregles", "Rules of writing", "", Kind::Item},
             {"UntitledSeparator", "-", nullptr, Kind::Item},
             {"menuapropos", "About Calcimandarix", "", Kind::AppleMenuItem},
             {"Preferences", "Preferences", "", Kind::PrefsMenuItem},
             {"AboutText", "About", "", Kind::Item}});
    app().setMenuBar(std::move(bar));
  }
  struct ItemRow {
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: none set at all
    Kind kind;
  };
  static void addMenu(MenuBar& bar, const char* name, const char* text, Kind kind, std::vector<ItemRow> items) {
    auto menu = std::make_unique<MenuItem>(QString::fromUtf8(name), kind);
    menu->setText(QString::fromUtf8(text));
    menu->setKeyboardShortcut(QString());
    MenuItem* title = menu.get();
    bar.append(std::move(menu));
    for (const ItemRow& row : items) {
      auto item = std::make_unique<MenuItem>(QString::fromUtf8(row.name), row.kind);
      item->setText(QString::fromUtf8(row.text));
      if (row.shortcut) item->setKeyboardShortcut(QString::fromUtf8(row.shortcut));
      title->append(std::move(item));
    }
  }
  MenuItem* item(const char* name) { return app().menuBar()->lookup(QString::fromUtf8(name)); }
  // Opens the item's menu, which updates which items are enabled, as a click in the bar does.
  void openMenuOf(const char* name) {
    MenuItem* menu = item(name)->parent();
    emit menu->menu()->aboutToShow();
  }
};

TEST_F(MenusTest, HandlersReadTheCheckMarkAsItWasBeforeTheClick) {
  MenuItem* simplified = item("caracteresChinoissimplifié");
  QList<bool> seen;
  app().addMenuHandler(QStringLiteral("caracteresChinoissimplifié"), [&] {
    seen << simplified->checked();
    return false;
  });
  simplified->setChecked(true);
  openMenuOf("caracteresChinoissimplifié");
  simplified->action()->trigger();
  EXPECT_EQ(seen, QList<bool>{true});
  EXPECT_TRUE(simplified->checked());
  EXPECT_TRUE(simplified->action()->isChecked()) << "Qt's flip is undone";
  simplified->setChecked(false);
  simplified->action()->trigger();
  EXPECT_EQ(seen, (QList<bool>{true, false}));
  EXPECT_FALSE(simplified->checked());
  EXPECT_FALSE(simplified->action()->isChecked());
}

TEST_F(MenusTest, AHandlerThatSetsTheCheckMarkKeepsIt) {
  MenuItem* simplified = item("caracteresChinoissimplifié");
  app().addMenuHandler(QStringLiteral("caracteresChinoissimplifié"), [&] {
    simplified->setChecked(!simplified->checked());
    return false;
  });
  simplified->action()->trigger();
  EXPECT_TRUE(simplified->checked());
  EXPECT_TRUE(simplified->action()->isChecked());
  simplified->action()->trigger();
  EXPECT_FALSE(simplified->checked());
  EXPECT_FALSE(simplified->action()->isChecked());
}

TEST_F(MenusTest, EditKeysAreThePlatformsStandardOnes) {
  struct Case {
    const char* name;
    QKeySequence keys;
  };
  const std::vector<Case> cases = {
      {"EditCut", QKeySequence(QKeySequence::Cut)},
      {"EditCopy", QKeySequence(QKeySequence::Copy)},
      {"EditPaste", QKeySequence(QKeySequence::Paste)},
      {"Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(item(c.name)->action()->shortcut(), c.keys) << c.name;
    EXPECT_TRUE(item(c.name)->keyboardShortcutSet()) << c.name;
  }
  EXPECT_EQ(item("EditPaste")->keyboardShortcut(), QStringLiteral("Cmd+V"));
}

TEST_F(MenusTest, SeparatorsHaveNoShortcut) {
  for (const char* name : {"UntitledSeparator0", "UntitledSeparator"}) {
    MenuItem* separator = item(name);
    EXPECT_TRUE(separator->isSeparator()) << name;
    EXPECT_FALSE(separator->keyboardShortcutSet()) << name;
    EXPECT_TRUE(separator->action()->isSeparator()) << name;
    EXPECT_TRUE(separator->action()->shortcut().isEmpty()) << name;
  }
  // A separator given a shortcut anyway takes none.
  item("UntitledSeparator")->setKeyboardShortcut(QStringLiteral("Cmd+X"));
  EXPECT_TRUE(item("UntitledSeparator")->action()->shortcut().isEmpty());
  for (const char* name : {"aideregles", "EditMen"}) {
    EXPECT_TRUE(item(name)->action()->shortcut().isEmpty()) << name;
  }
}

TEST_F(MenusTest, OnlyTheAboutAndPreferencesItemsTakeTheApplicationMenuRoles) {
  struct Case {
    const char* name;
    QAction::MenuRole role;
  };
  const std::vector<Case> cases = {
      {"menuapropos", QAction::AboutRole}, {"Preferences", QAction::PreferencesRole},
      {"AboutText", QAction::NoRole},  // its text alone moves nothing
      {"Quitter", QAction::NoRole},        {"EditCut", QAction::NoRole},
      {"aideregles", QAction::NoRole},     {"UntitledSeparator", QAction::NoRole},
      {"EditMen", QAction::NoRole},        {"aidemenu", QAction::NoRole},
  };
  for (const Case& c : cases) EXPECT_EQ(item(c.name)->action()->menuRole(), c.role) << c.name;
}

TEST_F(MenusTest, HiddenItemsHideTheirActions) {
  for (const char* name : {"aideregles", "aidemenu", "EditMen", "UntitledSeparator0"}) {
    MenuItem* it = item(name);
    it->setVisible(false);
    EXPECT_FALSE(it->action()->isVisible()) << name;
    it->setVisible(true);
    EXPECT_TRUE(it->action()->isVisible()) << name;
  }
}

TEST_F(MenusTest, TextsAndMenusReachTheBar) {
  QMenuBar* bar = app().menuBar()->widget();
  ASSERT_EQ(bar->actions().size(), 3);
  EXPECT_EQ(bar->actions().at(0)->text(), QStringLiteral("Edit"));
  EXPECT_EQ(bar->actions().at(2)->menu(), item("aidemenu")->menu());
  item("aideregles")->setText(QStringLiteral("Règles"));
  EXPECT_EQ(item("aideregles")->action()->text(), QStringLiteral("Règles"));
  EXPECT_EQ(item("aidemenu")->menu()->actions().size(), 5);
}

TEST_F(MenusTest, HandlersAreBoundByNameWithoutRegardToCase) {
  int runs = 0;
  app().addMenuHandler(QStringLiteral("AIDEREGLES"), [&] {
    ++runs;
    return false;
  });
  EXPECT_TRUE(app().hasMenuHandler(QStringLiteral("aideregles")));
  openMenuOf("aideregles");
  EXPECT_TRUE(item("aideregles")->action()->isEnabled());
  EXPECT_FALSE(item("menuapropos")->action()->isEnabled()) << "an item without a handler is disabled";
  item("aideregles")->action()->trigger();
  EXPECT_EQ(runs, 1);
  item("menuapropos")->choose();
  EXPECT_EQ(runs, 1);
}

TEST_F(MenusTest, TheActiveWindowsHandlerRunsFirst) {
  WindowA& window = app().instance<WindowA>();
  window.widget()->activateWindow();
  processEvents();
  ASSERT_TRUE(window.widget()->isActiveWindow());
  QStringList runs;
  bool windowHandles = true;
  window.addMenuHandler(QStringLiteral("AboutText"), [&] {
    runs << "window";
    return windowHandles;
  });
  app().addMenuHandler(QStringLiteral("abouttext"), [&] {
    runs << "app";
    return false;
  });
  item("AboutText")->choose();
  EXPECT_EQ(runs, QStringList{"window"});
  windowHandles = false;
  item("AboutText")->choose();
  EXPECT_EQ(runs, (QStringList{"window", "window", "app"})) << "false passes the command on";
}

TEST_F(MenusTest, AnItemWithOnlyAWindowHandlerIsEnabledWhileItsWindowIsActive) {
  WindowA& window = app().instance<WindowA>();
  window.widget()->activateWindow();
  processEvents();
  window.addMenuHandler(QStringLiteral("menuapropos"), [] { return true; });
  openMenuOf("menuapropos");
  EXPECT_TRUE(item("menuapropos")->action()->isEnabled());
}

TEST_F(MenusTest, EditItemsFollowTheFocusedField) {
  WindowA& window = app().instance<WindowA>();
  auto* field = window.make<platform::EditField>(QStringLiteral("EF"));
  field->setBounds(10, 10, 200, 30);
  auto* canvas = window.make<platform::Canvas>(QStringLiteral("C"));
  canvas->setBounds(10, 50, 50, 50);
  openMenuOf("EditPaste");
  EXPECT_FALSE(item("EditPaste")->action()->isEnabled());
  field->setFocus();
  openMenuOf("EditPaste");
  EXPECT_TRUE(item("EditPaste")->action()->isEnabled());
  EXPECT_TRUE(item("EditCut")->action()->isEnabled());
  canvas->setFocus();
  openMenuOf("EditPaste");
  EXPECT_FALSE(item("EditCopy")->action()->isEnabled());
}

TEST_F(MenusTest, TheStandardPasteKeyPastesOnce) {
  WindowA& window = app().instance<WindowA>();
  window.setMenuBar(app().menuBar());
  auto* field = window.make<platform::EditField>(QStringLiteral("EF"));
  field->setBounds(10, 10, 200, 30);
  int changes = 0;
  field->connectTextChange([&] { ++changes; });
  window.show();
  window.widget()->activateWindow();
  processEvents();
  field->setFocus();
  QApplication::clipboard()->setText(QStringLiteral("七"));
  const QKeySequence paste(QKeySequence::Paste);
  QTest::keySequence(field->widget(), paste);
  processEvents();
  EXPECT_EQ(field->text(), QStringLiteral("七"));
  EXPECT_EQ(changes, 1);
}

}  // namespace
