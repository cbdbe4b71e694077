#include "app/Menu.h"

#include <memory>

#include "platform/application.h"
#include "strings/langues.h"

namespace {

using Kind = platform::MenuItem::Kind;

struct ItemSpec {
  const char* name;
  Kind kind;
  QString (*text)();  // nullptr for a separator
  const char* shortcut;
  bool autoEnable;
};

std::unique_ptr<platform::MenuItem> makeItem(const ItemSpec& spec) {
  auto item = std::make_unique<platform::MenuItem>(QString::fromUtf8(spec.name), spec.kind);
  item->setAutoEnable(spec.autoEnable);
  if (!spec.text) {
    item->setText(QStringLiteral("-"));
    return item;
  }
  item->setText(spec.text());
  item->setKeyboardShortcut(QString::fromLatin1(spec.shortcut ? spec.shortcut : ""));
  return item;
}

void buildMenu(platform::MenuBar& bar, const ItemSpec& title, std::initializer_list<ItemSpec> items) {
  bar.append(makeItem(title));
  platform::MenuItem* menu = bar.child(QString::fromUtf8(title.name));
  for (const ItemSpec& spec : items) menu->append(makeItem(spec));
}

platform::MenuItem* item(const char* name) {
  platform::Application* app = platform::Application::current();
  if (!app || !app->menuBar()) return nullptr;
  return app->menuBar()->lookup(QString::fromUtf8(name));
}

}  // namespace

Menu::Menu() {
  Untitled1();
  Untitled2();
  Untitled4();
  Untitled5();
}

void Menu::Untitled1() {
  buildMenu(*this, {"EditMen", Kind::AppleMenuItem, langues::lmedition, nullptr, false},
            {
                {"EditCut", Kind::Item, langues::lmcouper, "Cmd+X", false},
                {"EditCopy", Kind::Item, langues::lmcopier, "Cmd+C", false},
                {"EditPaste", Kind::Item, langues::lmcoller, "Cmd+V", false},
            });
}

void Menu::Untitled2() {
  buildMenu(*this, {"fenetremenu", Kind::Item, langues::lmfenetre, nullptr, true},
            {
                {"FenetreConvertisseur", Kind::Item, langues::lmconvertisseur, nullptr, true},
                {"FenetreBandepapier", Kind::Item, langues::lmbande, nullptr, true},
            });
}

void Menu::Untitled4() {
  buildMenu(*this, {"caracteresMenu", Kind::Item, langues::lmcaracteres, nullptr, true},
            {
                {"caracteresChinoissimplifié", Kind::Item, langues::lmsimplifie, nullptr, true},
                {"caracteresChinoistraditionnel", Kind::Item, langues::lmtraditionnel, nullptr, true},
                {"caracteresChinoissimplifié1", Kind::Item, langues::lmsimplifie, nullptr, true},
                {"UntitledSeparator0", Kind::Item, nullptr, nullptr, true},
                {"caracteresnotationsusuelle", Kind::Item, langues::lmusuelle, nullptr, true},
                {"caracteresnotationfinanciere", Kind::Item, langues::lmfinanciere, nullptr, true},
            });
}

void Menu::Untitled5() {
  buildMenu(*this, {"aidemenu", Kind::Item, langues::lmaide, nullptr, true},
            {
                {"aideaideacalcimandarix", Kind::Item, langues::lmaideacalcimandarix, nullptr, true},
                {"aideregles", Kind::Item, langues::lmregles, nullptr, true},
                {"UntitledSeparator", Kind::Item, nullptr, nullptr, true},
                {"AideAfficherlecranencours", Kind::Item, langues::lmecranencours, nullptr, true},
                {"AideAidesurtouches", Kind::Item, langues::lmaidesurtouche, nullptr, true},
                {"menuapropos", Kind::AppleMenuItem, langues::lmapropos, nullptr, true},
                {"Preferences", Kind::PrefsMenuItem, langues::lfpreferences, nullptr, true},
            });
}

platform::MenuItem* EditMen() { return item("EditMen"); }
platform::MenuItem* fenetremenu() { return item("fenetremenu"); }
platform::MenuItem* caracteresMenu() { return item("caracteresMenu"); }
platform::MenuItem* caracteresChinoissimplifié() { return item("caracteresChinoissimplifié"); }
platform::MenuItem* caracteresChinoistraditionnel() { return item("caracteresChinoistraditionnel"); }
platform::MenuItem* caracteresChinoissimplifié1() { return item("caracteresChinoissimplifié1"); }
platform::MenuItem* caracteresnotationsusuelle() { return item("caracteresnotationsusuelle"); }
platform::MenuItem* caracteresnotationfinanciere() { return item("caracteresnotationfinanciere"); }
platform::MenuItem* aidemenu() { return item("aidemenu"); }
platform::MenuItem* aideregles() { return item("aideregles"); }
platform::MenuItem* AideAfficherlecranencours() { return item("AideAfficherlecranencours"); }
platform::MenuItem* AideAidesurtouches() { return item("AideAidesurtouches"); }
