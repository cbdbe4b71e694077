#include "support/keypad_lookup.h"

#include "mainwindow/Fpr.h"
#include "mainwindow/keypad.h"

const KeySpec* keyShowing(const Fpr& fpr, const QString& caption) {
  for (const KeySpec& spec : keypad()) {
    if (fpr.key(QString::fromLatin1(spec.name))->caption() == caption) return &spec;
  }
  return nullptr;
}
