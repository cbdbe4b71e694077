#pragma once
// A running application for the Chinese reader's tests: a chosen character table, the
// converter road (click the Chinese field, paste a text) and the calculator road (press the
// keys of a text's characters), and the texts of the four tables.

#include <QString>

#include "numeraux/chinoisarabe.h"
#include "support/app_fixture.h"
#include "support/character_tables.h"

// What the Arabic field shows for a refused Chinese text.
inline const QString kRefused = QStringLiteral("????????");

class ReaderFixture : public AppFixture {
 protected:
  // Starts with the table in the preferences and the UI language.
  void startWith(CharacterTable table, const QString& language = QStringLiteral("en"));

  // The converter road: a click into the Chinese field, the field emptied, the text pasted.
  void convert(const QString& text);
  // The calculator road: the key of each character of the current table, pressed in turn.
  void keyIn(const QString& text);
  // The state after a whole text read by the reader itself, as the calculator engine and the
  // delete key ask for it.
  void readDisplayText(const QString& text);
  // A whole text read as the converter reads its Chinese field, into a cleared Arabic field;
  // fouimaisdemandee -1 leaves the note out, 0 lets a character of another table ask for it.
  void readInConverter(const QString& text, int fouimaisdemandee);

  bool echoItalic();
  bool arabicItalic();
  ChinoisArabe& reader() { return application().chinoisarabe; }
};
