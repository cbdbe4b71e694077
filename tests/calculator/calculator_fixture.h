#pragma once
// A running application driven through its keypad: keys by name, or a whole line of key
// captions ("十二加三=", "=" for the equals key), with what the calculator, the tape and the
// history hold afterwards.

#include <QString>
#include <QStringList>

#include "support/app_fixture.h"

class CalculatorFixture : public AppFixture {
 protected:
  void SetUp() override { start(); }

  // Keys by caption, in turn: the current table's characters and operator keys, "=" for
  // equals, "◁" and "◁◁" (written < and <<) for the delete and clear keys.
  void frappe(const QString& captions);
  // The one-step delete key and the clear key beside the keypad.
  void effacerUnPas() { press(QStringLiteral("BevelButton1")); }
  void effacerTout() { press(QStringLiteral("BevelButton2")); }

  // The paper tape window shown, as its fold-out triangle shows it.
  void ouvrirBande();

  App& a() { return application(); }
  // The separator that ends every line of the tape and of the history.
  static QString sep() { return QString(QChar(12)); }
  // Lines joined, each followed by the separator.
  static QString lignes(const QStringList& lines);
};
