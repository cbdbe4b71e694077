#pragma once
// The rules on their own: a calculator state over a view in memory, with a character table
// loaded and the start state of a new run.

#include <gtest/gtest.h>

#include "calcul/calculette.h"
#include "numeraux/chartables.h"
#include "rules/vue_memoire.h"
#include "support/printers.h"

class RulesFixture : public ::testing::Test {
 protected:
  RulesFixture();

  void utiliserTable(const chartables::Table& table);
  // The characters of a text, each pressed as its key.
  void frapper(const QString& texte);
  // The converter: the Chinese field or the Arabic field holds the text, as after typing it.
  void convertirChinois(const QString& texte);
  void convertirArabe(const QString& texte);

  VueMemoire vue;
  Calculette calc{vue};
};
