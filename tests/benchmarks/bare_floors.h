#pragma once
// Bare Qt widgets doing the visible work of one step of the application, driven by the same
// events: the floors of the in-process measures.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// A shown window with a button whose click sets two labels, as a keypad key sets the display
// and its Arabic echo; with tapeLines > 0, a second window holds a text of that many lines whose
// last line each click rewrites, as the paper tape does.
class BareKeypad {
 public:
  explicit BareKeypad(int tapeLines = 0);
  // One click on the button; returns its microseconds.
  double click();

 private:
  QWidget window_;
  QPushButton button_{QStringLiteral("一"), &window_};
  QLabel chinese_{&window_};
  QLabel arabic_{&window_};
  QPlainTextEdit tape_;
  int clicks_ = 0;
};

// A shown plain-text field, as the converter's fields are.
class BareField {
 public:
  BareField();
  // One character typed into the field holding `text`; returns its microseconds.
  double typeInto(const QString& text, const QString& character);
  // The clipboard's text pasted into the emptied field; returns its microseconds.
  double paste(const QString& text);

 private:
  QWidget window_;
  QPlainTextEdit field_{&window_};
};
