#include "numerals/writer_fixture.h"

void WriterFixture::useTable(CharacterTable table) { applyTable(application(), table); }

void WriterFixture::writeArabic(const QString& text) {
  if (application().position != 3) click(QStringLiteral("EFcr"));
  fpr().EFcr->setText(text);
}
