#include "benchmarks/bare_floors.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "benchmarks/measure.h"

namespace {

// As the test fixture lets the event loop run after each step.
void processEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

BareKeypad::BareKeypad(int tapeLines) {
  window_.resize(281, 296);
  button_.setGeometry(133, 125, 38, 38);
  chinese_.setGeometry(19, 29, 247, 44);
  arabic_.setGeometry(130, 10, 136, 20);
  QObject::connect(&button_, &QPushButton::clicked, &window_, [this, tapeLines] {
    ++clicks_;
    chinese_.setText(QStringLiteral("一").repeated(clicks_ % 12 + 1));
    arabic_.setText(QStringLiteral("1").repeated(clicks_ % 12 + 1));
    if (tapeLines > 0) {
      QTextCursor last(tape_.document()->lastBlock());
      last.select(QTextCursor::BlockUnderCursor);
      last.insertText(QStringLiteral("\n") + chinese_.text());
    }
  });
  window_.show();
  if (tapeLines > 0) {
    QStringList lines;
    for (int i = 0; i < tapeLines; ++i) lines << QStringLiteral("一百二十三 +");
    tape_.setPlainText(lines.join(QLatin1Char('\n')));
    tape_.resize(281, 400);
    tape_.show();
  }
  processEvents();
}

double BareKeypad::click() {
  return microseconds([this] {
    QTest::mouseClick(&button_, Qt::LeftButton, Qt::NoModifier, button_.rect().center());
    processEvents();
  });
}

BareField::BareField() {
  window_.resize(281, 60);
  // Wrapped at the field's width anywhere in a word, as the converter's fields wrap.
  field_.setWordWrapMode(QTextOption::WrapAnywhere);
  field_.setGeometry(9, 9, 263, 41);
  window_.show();
  field_.setFocus();
  processEvents();
}

double BareField::typeInto(const QString& text, const QString& character) {
  field_.setPlainText(text);
  field_.moveCursor(QTextCursor::End);
  processEvents();
  return microseconds([&] {
    QTest::sendKeyEvent(QTest::Click, &field_, Qt::Key_unknown, character, Qt::NoModifier);
    processEvents();
  });
}

double BareField::paste(const QString& text) {
  field_.clear();
  QApplication::clipboard()->setText(text);
  processEvents();
  return microseconds([this] {
    field_.paste();
    processEvents();
  });
}
