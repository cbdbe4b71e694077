#pragma once
// The keypad key that types a character, found by what the keys show in the current table.

#include <QString>

class Fpr;
struct KeySpec;

// The keypad key whose caption is the text, or nullptr when no key shows it.
const KeySpec* keyShowing(const Fpr& fpr, const QString& caption);
