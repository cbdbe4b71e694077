#include "numerals/reader_fixture.h"

#include <QByteArray>

#include "mainwindow/keypad.h"
#include "support/keypad_lookup.h"

void ReaderFixture::startWith(CharacterTable table, const QString& language) {
  const char bytes[4] = {0, 0, static_cast<char>(isSimplified(table)), static_cast<char>(isUsual(table))};
  setLanguage(language);
  writePrefs(QByteArray(bytes, 4));
  start();
}

void ReaderFixture::convert(const QString& text) {
  click(QStringLiteral("EFca"));
  fpr().EFca->setText(QString());
  paste(text);
}

void ReaderFixture::keyIn(const QString& text) {
  for (const QChar c : text) {
    const KeySpec* found = keyShowing(fpr(), QString(c));
    ASSERT_NE(found, nullptr) << "no key types " << QString(c).toStdString() << " in the current table";
    press(QString::fromLatin1(found->name));
  }
}

void ReaderFixture::readDisplayText(const QString& text) {
  ChinoisArabe& r = reader();
  application().position = 1;
  r.initialisernombre();
  r.textaarabiser = text;
  r.arabisertexte();
}

void ReaderFixture::readInConverter(const QString& text, int fouimaisdemandee) {
  ChinoisArabe& r = reader();
  application().position = 2;
  r.fouimaisdemandee = fouimaisdemandee;
  r.initialisernombre();
  fpr().EFcr->setText(QString());
  r.textaarabiser = text;
  r.arabisertexte();
}

bool ReaderFixture::echoItalic() { return fpr().StaticText11->italic(); }
bool ReaderFixture::arabicItalic() { return fpr().EFcr->italic(); }
