#pragma once
// Drives the calculator and the converter by the keys' captions and reads back the tape and
// the history in a compact form.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

#include "support/app_fixture.h"

class KeysFixture : public AppFixture {
 protected:
  // Presses one key per character: the simplified usual captions 零 一 … 十 百 千 万 亿 负 点,
  // 加 减 乘 除 for the operators, "=" for equals, "◁" for one step back and "C" for clear all.
  void enter(const QString& keys);
  // The whole paper tape text, each separator written "|".
  QString tape();
  // The finished part of the tape, each separator written "|".
  QString finishedTape();
  // The history steps before the current one, each followed by "|".
  QString historySteps();
  // The whole history as its window holds it: each step's text, five spaces and its value,
  // each step followed by "|".
  QString historyText();
  // Everything a user sees after a sequence: the display and its Arabic echo, both converter
  // fields, the message boxes shown, the paper tape and the history.
  struct Shown {
    Shown() = default;
    Shown(QStringView display, QStringView echo, QStringView chinese, QStringView arabic, QStringList messages,
          QStringView tape, QStringView history)
        : display(display.toString()),
          echo(echo.toString()),
          chinese(chinese.toString()),
          arabic(arabic.toString()),
          messages(std::move(messages)),
          tape(tape.toString()),
          history(history.toString()) {}
    QString display, echo, chinese, arabic;
    QStringList messages;
    QString tape, history;
  };
  Shown shown();
  void expectShown(const Shown& expected);
  // A click into a field, then key presses typed into it.
  void typeInto(const QString& field, const QString& text);
  // A key press into a field (Home, End, Shift+End …).
  void keyInto(const QString& field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Gives a field the keyboard focus as the Tab key does, without a click.
  void focusWithoutClick(const QString& field);
  platform::EditField& field(const QString& name);
  App& a() { return application(); }
};
