#include <QString>

#include "app/App.h"
#include "app/Menu.h"
#include "dialogs/FPreferences.h"
#include "dialogs/fapropos.h"
#include "mainwindow/Fpr.h"
#include "mainwindow/keypad.h"
#include "platform/application.h"
#include "platform/files.h"
#include "platform/menus.h"
#include "strings/langues.h"

// Every handler returns false: nothing further handles these commands.

namespace {

// A document of the bundle that the running program belongs to, whatever its name:
// Contents/Resources/Textes/<fileName>.
platform::FolderItem helpDocument(const QString& fileName) {
  return platform::FolderItem::bundleResources().child(QStringLiteral("Textes")).child(fileName);
}

// Opens the document in its default application, or shows the message when it is missing.
void openDocument(const platform::FolderItem& document, const QString& notFoundMessage) {
  if (document.exists()) {
    document.launch();
  } else {
    platform::MsgBox(notFoundMessage);
  }
}

}  // namespace

bool App::AideAidesurtouches_Action() {
  platform::MenuItem* item = AideAidesurtouches();
  const bool show = !item->checked();
  Fpr& fpr = Fpr::get();
  for (const KeySpec& key : keypad()) fpr.keyCaption(QString::fromLatin1(key.label))->setVisible(show);
  item->setChecked(show);
  return false;
}

void App::appliquerTableCochee() {
  if (caracteresChinoissimplifié()->checked()) {
    if (caracteresnotationsusuelle()->checked()) simpusuel();
    if (caracteresnotationfinanciere()->checked()) simpfinancier();
  }
  if (caracteresChinoistraditionnel()->checked()) {
    if (caracteresnotationsusuelle()->checked()) tradusuel();
    if (caracteresnotationfinanciere()->checked()) tradfinancier();
  }
}

void App::marquerNotation(bool usuelle) {
  caracteresnotationsusuelle()->setChecked(usuelle);
  caracteresnotationfinanciere()->setChecked(!usuelle);
  appliquerTableCochee();
}

void App::marquerCaracteres(bool simplifies) {
  // Both simplified items carry the mark; only the first is read back.
  caracteresChinoissimplifié()->setChecked(simplifies);
  caracteresChinoissimplifié1()->setChecked(simplifies);
  caracteresChinoistraditionnel()->setChecked(!simplifies);
  appliquerTableCochee();
}

bool App::caracteresnotationfinanciere_Action() {
  marquerNotation(false);
  return false;
}

bool App::caracteresnotationsusuelle_Action() {
  marquerNotation(true);
  return false;
}

bool App::caracteresChinoistraditionnel_Action() {
  marquerCaracteres(false);
  return false;
}

bool App::caracteresChinoissimplifié_Action() {
  marquerCaracteres(true);
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
  const platform::FolderItem english = helpDocument(QStringLiteral("Calcimandarix help.html"));
  if (langueEst("anglais")) document = english;
  // A language without a help document of its own reads the English one.
  if (!document.exists()) document = english;
  openDocument(document, langues::lxlefichieraideestintrouvable());
  return false;
}
