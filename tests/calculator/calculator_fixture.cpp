#include "calculator/calculator_fixture.h"

#include "mainwindow/keypad.h"
#include "support/keypad_lookup.h"
#include "texte/text.h"

void CalculatorFixture::frappe(const QString& captions) {
  const std::u32string keys = texte::CodePoints(captions);
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == U'=') {
      press(QStringLiteral("BBe"));
      continue;
    }
    if (keys[i] == U'<') {
      if (i + 1 < keys.size() && keys[i + 1] == U'<') {
        effacerTout();
        ++i;
      } else {
        effacerUnPas();
      }
      continue;
    }
    const QString caption = QString::fromUcs4(&keys[i], 1);
    const KeySpec* found = keyShowing(fpr(), caption);
    ASSERT_NE(found, nullptr) << "no key with the caption " << caption.toStdString();
    press(QString::fromLatin1(found->name));
  }
}

void CalculatorFixture::ouvrirBande() {
  fpr().DisclosureTriangle2->setValue(false);
  processEvents();
}

QString CalculatorFixture::lignes(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + sep();
  return text;
}
