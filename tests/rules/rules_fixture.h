#pragma once
// The rules on their own: a calculator state over a view in memory, with a character table
// loaded and the start state of a new run.

#include <gtest/gtest.h>

#include "calcul/calculette.h"
#include "numeraux/chartables.h"
#include "rules/vue_memoire.h"
#include "support/character_tables.h"
#include "support/printers.h"

class RulesFixture : public ::testing::Test {
 protected:
  RulesFixture();

  void utiliserTable(const chartables::Table& table);
  void utiliserTable(CharacterTable table);
  // The characters of a text, each pressed as its key.
  void frapper(const QString& texte);
  // Keys by caption, in turn: the current table's characters and operator keys, "=" for
  // equals, "◁" and "◁◁" (written < and <<) for the delete and clear keys.
  void frappe(const QString& captions);
  // The separator that ends every line of the tape and of the history.
  static QString sep() { return QString(QChar(12)); }
  // The converter: the Chinese field or the Arabic field holds the text, as after typing it.
  void convertirChinois(const QString& texte);
  void convertirArabe(const QString& texte);
  // A whole text read as the converter reads its Chinese field, into a cleared Arabic field;
  // fouimaisdemandee -1 leaves the note out, 0 lets a character of another table ask for it.
  void lireAuConvertisseur(const QString& texte, int fouimaisdemandee);

  VueMemoire vue;
  Calculette calc{vue};
};
