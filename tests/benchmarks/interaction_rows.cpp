#include "benchmarks/interaction_rows.h"

#include "benchmarks/bare_floors.h"
#include "benchmarks/benchmark_app.h"

namespace {

const QString kClear = QStringLiteral("BevelButton2");
const QString kDeleteOne = QStringLiteral("BevelButton1");
const QString kButtonFloor = QStringLiteral("bare button setting two labels");

Row keypadPress(int samples) {
  BenchmarkApp app;
  BareKeypad bare;
  return takeTurns(
      QStringLiteral("keypad press"), kButtonFloor, QStringLiteral("us"), samples,
      [&] {
        app.press(kClear);
        return microseconds([&] { app.press(QStringLiteral("BB1")); });
      },
      [&] { return bare.click(); });
}

// The largest number, negative, with decimals past the fourteenth digit: 30 characters.
const QString kThirty = QStringLiteral("负九千九百九十九亿九千九百九十九万九千九百九十九点九九九九九");

Row typedCharacter(int samples) {
  BenchmarkApp app;
  BareField bare;
  app.showConverter();
  app.click(QStringLiteral("EFca"));
  const QString held = kThirty.chopped(1);
  const QString typed = kThirty.right(1);
  return takeTurns(
      QStringLiteral("typed character, Chinese field of 30"), QStringLiteral("bare text field, one typed character"),
      QStringLiteral("us"), samples,
      [&] {
        app.fpr().EFca->setText(held);
        app.processEvents();
        return microseconds([&] { app.type(typed, QStringLiteral("EFca")); });
      },
      [&] { return bare.typeInto(held, typed); });
}

Row equalsAfterTenOperations(int samples) {
  BenchmarkApp app;
  BareKeypad bare;
  return takeTurns(
      QStringLiteral("\"=\" after ten operations"), kButtonFloor, QStringLiteral("us"), samples,
      [&] {
        app.press(kClear);
        const char* const operators[] = {"BBad", "BBmu", "BBsous", "BBdiv", "BBad"};
        for (int i = 0; i < 10; ++i) {
          app.press(QStringLiteral("BB%1").arg(i % 9 + 1));
          app.press(QString::fromLatin1(operators[i % 5]));
        }
        app.press(QStringLiteral("BB2"));
        return microseconds([&] { app.press(QStringLiteral("BBe")); });
      },
      [&] { return bare.click(); });
}

Row pressWithTapeOpen(int samples) {
  constexpr int kLines = 1000;
  BenchmarkApp app;
  app.press(QStringLiteral("DisclosureTriangle2"));
  // "1 +" again and again: each operator closes a line of the tape.
  for (int i = 0; i < 2 * kLines && app.application().ecriresurbande.textebande.count(QLatin1Char('\f')) < kLines;
       ++i) {
    app.press(QStringLiteral("BB1"));
    app.press(QStringLiteral("BBad"));
  }
  BareKeypad bare(kLines);
  return takeTurns(
      QStringLiteral("keypad press, tape of 1,000 lines open"),
      QStringLiteral("bare button setting two labels and a line of 1,000"), QStringLiteral("us"), samples,
      [&] {
        const double us = microseconds([&] { app.press(QStringLiteral("BB1")); });
        app.press(kDeleteOne);
        return us;
      },
      [&] { return bare.click(); });
}

}  // namespace

std::vector<Row> interactionRows(int samples) {
  return {keypadPress(samples), typedCharacter(samples), equalsAfterTenOperations(samples), pressWithTapeOpen(samples)};
}
