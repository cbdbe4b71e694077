#pragma once
// The keypad as data: each key's control, place, font, what it stands for, and the Arabic caption
// written under it. The layout and the key handlers both read this table.

#include <QString>
#include <array>

class App;
class Fpr;

enum class KeyFamily {
  Digit,     // starts a new calculation while a result is shown
  Unit,      // does nothing in the calculator while a result is shown
  Operator,  // + - x ÷
  Equals,
};

struct KeySpec {
  const char* name;
  // The key's Action handler.
  void (Fpr::*handler)();
  int left, top, width;
  const char* font;
  int textSize;
  bool lockLeft, lockTop, lockRight;
  // The character the key types (input keys) or the operator word it shows (operators).
  QString App::*character;
  // The reader's value code (input keys) or the operation (operators).
  int code;
  KeyFamily family;
  // The Arabic caption under the key.
  const char* label;
  int labelLeft, labelTop, labelWidth, labelHeight;
  const char* labelText;
  int labelSize;
};

// In the order the keys are made.
const std::array<KeySpec, 22>& keypad();
const KeySpec* findKey(const QString& name);
