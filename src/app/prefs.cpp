#include "app/App.h"
#include "dialogs/FPreferences.h"
#include "platform/files.h"

namespace {

const QString prefsFileName = QStringLiteral("Calcimandarix prefs");

platform::FolderItem prefsFile() { return platform::FolderItem::preferencesFolder().child(prefsFileName); }

// The default table: simplified usual, but traditional under the traditional Chinese interface.
bool simplifieParDefaut() { return !App::langueEst("chinois trad."); }

}  // namespace

void App::lirepref() {
  const platform::FolderItem item = prefsFile();
  // A folder of that name or an unreadable file counts as no file; in a short file, a byte past
  // the end reads as false.
  platform::BinaryStream stream = item.exists() ? item.openAsBinaryFile(false) : platform::BinaryStream();
  if (stream.isOpen()) {
    preflueafficherbienvenue = stream.readBoolean();
    prefluedefaut = stream.readBoolean();
    prefluesimplifie = stream.readBoolean();
    preflueusuelle = stream.readBoolean();
    stream.close();
  } else {
    preflueafficherbienvenue = true;
    prefluedefaut = true;
  }
  if (prefluedefaut) {
    prefluesimplifie = simplifieParDefaut();
    preflueusuelle = true;
  }
}

void App::sauverpref() {
  // The new file replaces the old one whole, and only once all four bytes are written: a failed
  // write leaves the previous choice in place. A first save may have to make the folder.
  platform::FolderItem::preferencesFolder().createFolder();
  platform::BinaryStream stream = prefsFile().createBinaryFile(QStringLiteral("calcimanpref"));
  stream.writeBoolean(preflueafficherbienvenue);
  stream.writeBoolean(prefluedefaut);
  stream.writeBoolean(prefluesimplifie);
  stream.writeBoolean(preflueusuelle);
  stream.close();
}

void App::aspectpreferencesdefaut() {
  // Puts the open preferences dialog to the default choice. No flag changes here: OK copies the
  // controls into the flags.
  FPreferences& dialog = FPreferences::get();
  dialog.CBdefaut->setValue(true);
  dialog.RBusuelle->setValue(true);
  (simplifieParDefaut() ? dialog.RBsimplifie : dialog.RBtraditionnel)->setValue(true);
  dialog.GroupBox2->setEnabled(false);
  dialog.GroupBox3->setEnabled(false);
}
