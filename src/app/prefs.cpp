#include "app/App.h"
#include "platform/files.h"

namespace {

const QString prefsFileName = QStringLiteral("Calcimandarix prefs");

platform::FolderItem prefsFile() { return platform::FolderItem::preferencesFolder().child(prefsFileName); }

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
    if (prefluedefaut) {
      prefluesimplifie = true;
      preflueusuelle = true;
      if (langueEst("chinois trad.")) prefluesimplifie = false;
    }
  } else {
    preflueafficherbienvenue = true;
    prefluedefaut = true;
    prefluesimplifie = true;
    preflueusuelle = true;
    if (langueEst("chinois trad.")) prefluesimplifie = false;
  }
}

void App::sauverpref() {
  // The new file replaces the old one whole, and only once all four bytes are written: a failed
  // write leaves the previous choice in place.
  platform::BinaryStream stream = prefsFile().createBinaryFile(QStringLiteral("calcimanpref"));
  stream.writeBoolean(preflueafficherbienvenue);
  stream.writeBoolean(prefluedefaut);
  stream.writeBoolean(prefluesimplifie);
  stream.writeBoolean(preflueusuelle);
  stream.close();
}

void App::aspectpreferencesdefaut() {
  // TODO(preferences dialog).
}
