#include "app/App.h"

#include "app/Menu.h"
#include "dialogs/Fbienvenueavec.h"
#include "mainwindow/Fpr.h"
#include "platform/files.h"
#include "strings/acces.h"
#include "strings/langues.h"

App::App(std::unique_ptr<platform::Services> services)
    : platform::Application(std::move(services)), Calculette(static_cast<VueFpr&>(*this)) {}

App::~App() = default;

App& app() { return static_cast<App&>(*platform::Application::current()); }

Menu& App::menu() const { return static_cast<Menu&>(*menuBar()); }

bool App::langueEst(const char* name) {
  return langues::llangueencours().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

void App::startup() {
  // The translation tables lie in the bundle's resources.
  loadTranslations(platform::FolderItem::bundleResources().child(QStringLiteral("translations")).path());
  setMenuBar(std::make_unique<Menu>());
  addMenuHandlers();
  instance<Fpr>();
}

void App::addMenuHandlers() {
  const std::pair<const char*, bool (App::*)()> bindings[] = {
      {"AideAidesurtouches", &App::AideAidesurtouches_Action},
      {"caracteresnotationfinanciere", &App::caracteresnotationfinanciere_Action},
      {"caracteresnotationsusuelle", &App::caracteresnotationsusuelle_Action},
      {"caracteresChinoistraditionnel", &App::caracteresChinoistraditionnel_Action},
      {"caracteresChinoissimplifié", &App::caracteresChinoissimplifié_Action},
      {"AideAfficherlecranencours", &App::AideAfficherlecranencours_Action},
      {"FenetreBandepapier", &App::FenetreBandepapier_Action},
      {"FenetreConvertisseur", &App::FenetreConvertisseur_Action},
      {"menuapropos", &App::menuapropos_Action},
      {"caracteresChinoissimplifié1", &App::caracteresChinoissimplifié1_Action},
      {"aideregles", &App::aideregles_Action},
      {"aideaideacalcimandarix", &App::aideaideacalcimandarix_Action},
      {"preferences", &App::preferences_Action},
  };
  for (const auto& [name, handler] : bindings) {
    addMenuHandler(QString::fromUtf8(name), [this, handler = handler] { return (this->*handler)(); });
  }
}

void App::eventOpen() {
  platform::MenuItem* const menus[] = {EditMen(), fenetremenu(), caracteresMenu(), aidemenu()};
  const bool chinese = langueEst("chinois simp.") || langueEst("chinois trad.");
  // In the Chinese interfaces the menus stay hidden while the welcome window is up.
  if (chinese) {
    for (platform::MenuItem* menu : menus) menu->setVisible(false);
  }
  // The welcome pictures draw their white transparent.
  pictures.ImageFR().setTransparent(1);
  pictures.ImageEN().setTransparent(1);
  pictures.ImageSIMP().setTransparent(1);
  pictures.ImageTRAD().setTransparent(1);
  lirepref();
  // The welcome window, dressed for the UI language.
  if (langueEst("Anglais")) dresserBienvenue(pictures.ImageEN(), true);
  if (langueEst("francais")) dresserBienvenue(pictures.ImageFR(), true);
  if (langueEst("chinois simp.")) dresserBienvenue(pictures.ImageSIMP(), false);
  if (langueEst("chinois trad.")) dresserBienvenue(pictures.ImageTRAD(), false);
  // The rest waits until the welcome window is closed.
  if (preflueafficherbienvenue) instance<Fbienvenueavec>().showModal();
  if (quitRequested()) return;
  Fpr::get().setVisible(true);
  for (platform::MenuItem* menu : menus) menu->setVisible(true);
  // The character table of the preferences; a fresh bar has no mark to remove.
  if (prefluesimplifie) {
    caracteresChinoissimplifié()->setChecked(true);
    caracteresChinoissimplifié1()->setChecked(true);
  } else {
    caracteresChinoistraditionnel()->setChecked(true);
  }
  (preflueusuelle ? caracteresnotationsusuelle() : caracteresnotationfinanciere())->setChecked(true);
  appliquerTableCochee();
  // Which of the two simplified items shows decides its place beside the traditional one.
  const bool traditionalFirst = langueEst("chinois trad.");
  caracteresChinoissimplifié1()->setVisible(traditionalFirst);
  caracteresChinoissimplifié()->setVisible(!traditionalFirst);
  // The rules of writing exist in French and English only.
  if (chinese) aideregles()->setVisible(false);
  // The calculator, the reader and the tape start afresh.
  demarrer();
  pictures.ecran15().setTransparent(1);
  opened_ = true;
}

void App::dresserBienvenue(const platform::Picture& picture, bool captions) {
  Fbienvenueavec& welcome = instance<Fbienvenueavec>();
  welcome.Canvas3->setBackdrop(picture);
  // What the picture says, for a screen reader.
  welcome.Canvas3->setAccessibleName(acces::texte(QStringLiteral("Fbienvenueavec.Canvas3")));
  welcome.Canvas3->setAccessibleDescription(acces::texte(QStringLiteral("Fbienvenueavec.Canvas3.texte")));
  if (captions) {
    welcome.PushButton1->setCaption(langues::lbOuvrirlangues());
    welcome.PushButton2->setCaption(langues::lbOK());
  }
}
