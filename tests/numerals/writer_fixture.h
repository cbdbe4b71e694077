#pragma once
// A started application with helpers for the Chinese numeral writer: write an Arabic text into
// the converter's Arabic field and choose a character table.

#include <QString>

#include "support/app_fixture.h"
#include "support/character_tables.h"

class WriterFixture : public AppFixture {
 protected:
  void SetUp() override { start(); }

  void useTable(CharacterTable table);
  // Clicks the Arabic field (unless the input already goes there) and replaces its text.
  void writeArabic(const QString& text);

  ArabeChinois& writer() { return application().arabechinois; }
};
