#include <QString>

#include "app/App.h"
#include "app/Menu.h"
#include "dialogs/FPreferences.h"
#include "dialogs/fapropos.h"
#include "mainwindow/Fpr.h"
#include "platform/application.h"
#include "platform/files.h"
#include "platform/menus.h"
#include "strings/langues.h"

// Every handler returns false: nothing further handles these commands.

namespace {

// The Arabic captions under the keys, shown and hidden together in this order.
const char* const keyCaptions[] = {"ST0",   "ST1",  "ST10", "ST100", "ST1000", "ST10000", "ST108", "ST2",
                                   "ST3",   "ST4",  "ST5",  "ST6",   "ST7",    "ST8",     "ST9",   "STAd",
                                   "STdiv", "STmu", "STn",  "STP",   "STsous", "ste"};

// A document of the bundle named "Calcimandarix.app" beside the application (not necessarily the
// running bundle): Contents/Resources/Textes/<fileName>.
platform::FolderItem helpDocument(const QString& fileName) {
  return platform::FolderItem::getFolderItem(QStringLiteral("Calcimandarix.app"))
      .child(QStringLiteral("Contents"))
      .child(QStringLiteral("Resources"))
      .child(QStringLiteral("Textes"))
      .child(fileName);
}

// Opens the document in its default application, or shows the message when it is missing.
void openDocument(const platform::FolderItem& document, const QString& notFoundMessage) {
  if (!document.isNull() && document.exists()) {
    document.launch(true);
  } else {
    platform::MsgBox(notFoundMessage);
  }
}

}  // namespace

bool App::AideAidesurtouches_Action() {
  platform::MenuItem* item = AideAidesurtouches();
  const bool show = !item->checked();
  Fpr& fpr = Fpr::get();
  for (const char* name : keyCaptions) {
    if (platform::Control* caption = fpr.findControl(QString::fromLatin1(name))) caption->setVisible(show);
  }
  item->setChecked(show);
  return false;
}

bool App::caracteresnotationfinanciere_Action() {
  caracteresnotationfinanciere()->setChecked(true);
  caracteresnotationsusuelle()->setChecked(false);
  if (caracteresChinoissimplifié()->checked()) simpfinancier();
  if (caracteresChinoistraditionnel()->checked()) tradfinancier();
  return false;
}

bool App::caracteresnotationsusuelle_Action() {
  caracteresnotationsusuelle()->setChecked(true);
  caracteresnotationfinanciere()->setChecked(false);
  if (caracteresChinoissimplifié()->checked()) simpusuel();
  if (caracteresChinoistraditionnel()->checked()) tradusuel();
  return false;
}

bool App::caracteresChinoistraditionnel_Action() {
  caracteresChinoistraditionnel()->setChecked(true);
  caracteresChinoissimplifié()->setChecked(false);
  caracteresChinoissimplifié1()->setChecked(false);
  if (caracteresnotationsusuelle()->checked()) tradusuel();
  if (caracteresnotationfinanciere()->checked()) tradfinancier();
  return false;
}

bool App::caracteresChinoissimplifié_Action() {
  // Both simplified items carry the mark; only the first is read back.
  caracteresChinoissimplifié()->setChecked(true);
  caracteresChinoissimplifié1()->setChecked(true);
  caracteresChinoistraditionnel()->setChecked(false);
  if (caracteresnotationsusuelle()->checked()) simpusuel();
  if (caracteresnotationfinanciere()->checked()) simpfinancier();
  return false;
}

bool App::caracteresChinoissimplifié1_Action() { return caracteresChinoissimplifié_Action(); }

bool App::AideAfficherlecranencours_Action() {
  platform::MenuItem* item = AideAfficherlecranencours();
  const bool show = !item->checked();
  Fpr& fpr = Fpr::get();
  fpr.StaticText11->setVisible(show);
  fpr.StaticText13->setVisible(show);
  item->setChecked(show);
  return false;
}

bool App::FenetreBandepapier_Action() {
  // The triangle's Action shows or closes the tape window and keeps the mark in step.
  platform::DisclosureTriangle* triangle = Fpr::get().DisclosureTriangle2;
  triangle->setValue(!triangle->value());
  return false;
}

bool App::FenetreConvertisseur_Action() {
  // No field may keep the focus while the converter folds away under it.
  platform::ClearFocus();
  platform::DisclosureTriangle* triangle = Fpr::get().DisclosureTriangle1;
  triangle->setValue(!triangle->value());
  return false;
}

bool App::menuapropos_Action() {
  fapropos::get().show();
  return false;
}

bool App::preferences_Action() {
  FPreferences::get().setVisible(true);
  return false;
}

bool App::aideregles_Action() {
  const QString fileName =
      langueEst("francais") ? QStringLiteral("Règles d'écriture.html") : QStringLiteral("Rules of writing.html");
  openDocument(helpDocument(fileName), langues::lxlefichierregleestintrouvable());
  return false;
}

bool App::aideaideacalcimandarix_Action() {
  // Each test fetches the language name anew; a later match wins.
  platform::FolderItem document;
  if (langueEst("francais")) document = helpDocument(QStringLiteral("Aide à Calcimandarix.html"));
  if (langueEst("chinois simp.")) document = helpDocument(QStringLiteral("Calcimandarix 帮助.html"));
  if (langueEst("chinois trad.")) document = helpDocument(QStringLiteral("Calcimandarix 幫助.html"));
  if (langueEst("anglais")) document = helpDocument(QStringLiteral("Calcimandarix help.html"));
  openDocument(document, langues::lxlefichieraideestintrouvable());
  return false;
}
