// Each user event writes a control once, with what the event leaves in it: the Arabic field
// while a long Chinese text is typed, the tape window after "=", and never the hidden history
// window.

#include "calculator/calculator_fixture.h"
#include "calculator/fband.h"
#include "calculator/w1.h"
#include "support/field_work.h"
#include "texte/text.h"

namespace {

using EventWritesTest = CalculatorFixture;

TEST_F(EventWritesTest, ACharacterTypedIntoALongChineseTextWritesTheArabicFieldOnce) {
  click(QStringLiteral("EFca"));
  paste(QStringLiteral("九千八百七十六亿五千四百三十二万一千二百三十四点五"));
  const FieldWorkMeter meter(*fpr().EFcr);
  type(QStringLiteral("六"), QStringLiteral("EFca"));
  EXPECT_EQ(arabicField(), QStringLiteral("987654321234.56"));
  EXPECT_EQ(meter.unitsWritten(), arabicField().size());
}

TEST_F(EventWritesTest, EqualsWritesTheOpenTapeOnceAndColoursItOnce) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三"));
  const platform::EditField& tape = *application().liveInstance<fband>()->EditField1;
  const FieldWorkMeter meter(tape);
  frappe(QStringLiteral("="));
  const qsizetype finished = a().ecriresurbande.textebandedefinitif.size();
  EXPECT_EQ(meter.unitsWritten(), tape.text().size());
  // The whole text in grey, then its finished part in black.
  EXPECT_EQ(meter.unitsFormatted(), tape.text().size() + finished);
}

TEST_F(EventWritesTest, AKeyWithTheTapeOpenWritesOnlyTheLineItChanges) {
  ouvrirBande();
  frappe(QStringLiteral("十二加三=乘二"));
  const platform::EditField& tape = *application().liveInstance<fband>()->EditField1;
  const FieldWorkMeter meter(tape);
  frappe(QStringLiteral("十"));
  EXPECT_EQ(tape.text(), a().ecriresurbande.textebande);
  // "十" and the line's separator.
  EXPECT_EQ(meter.unitsWritten(), 2);
  // The finished calculation stays black, the one in progress grey.
  EXPECT_EQ(tape.colorAt(0), 0x000000u);
  EXPECT_EQ(tape.colorAt(texte::Len(tape.text()) - 2), 0x7B7B7Bu);
}

TEST_F(EventWritesTest, TheHiddenHistoryWindowIsNotWrittenWhileItsModelFollows) {
  frappe(QStringLiteral("十二"));
  const w1* history = application().liveInstance<w1>();
  ASSERT_NE(history, nullptr);
  const FieldWorkMeter meter(*history->ed1);
  frappe(QStringLiteral("加三="));
  EXPECT_EQ(meter.unitsWritten(), 0);
  EXPECT_EQ(a().historique.textew1, QStringLiteral("十五     15") + sep());
}

}  // namespace
