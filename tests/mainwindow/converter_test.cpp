#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <functional>
#include <vector>

#include "mainwindow/keys_support.h"
#include "strings/langues.h"
#include "support/field_work.h"
#include "texte/text.h"

namespace {

class ConverterTest : public KeysFixture {};

TEST_F(ConverterTest, TheKeypadGoesWhereTheLastClickRoutedIt) {
  struct Route {
    const char* how;
    std::function<void()> reach;
    int position;
    const char* target;  // where the key 五 then goes
  };
  const std::vector<Route> routes = {
      {"at start", [] {}, 1, "StaticText1"},
      {"a click on the Chinese field", [this] { click(QStringLiteral("EFca")); }, 2, "EFca"},
      {"a click on the Arabic field", [this] { click(QStringLiteral("EFcr")); }, 3, "EFcr"},
      {"a click on a field, then on the display",
       [this] {
         click(QStringLiteral("EFca"));
         click(QStringLiteral("Canvas4"));
       },
       1, "StaticText1"},
      {"a click on one field, then on the other",
       [this] {
         click(QStringLiteral("EFcr"));
         click(QStringLiteral("EFca"));
       },
       2, "EFca"},
      {"the Tab key from one field to the other",
       [this] {
         press(QStringLiteral("DisclosureTriangle1"));
         click(QStringLiteral("EFca"));
         keyInto(QStringLiteral("EFca"), Qt::Key_Tab);
         ASSERT_TRUE(fpr().EFcr->hasFocus());
       },
       3, "EFcr"},
      {"the Tab key into a field of the folded converter, out of sight",
       [this] {
         click(QStringLiteral("EFca"));
         keyInto(QStringLiteral("EFca"), Qt::Key_Tab);
         ASSERT_TRUE(fpr().EFcr->hasFocus());
       },
       2, "EFca"},
      {"the focus given to a field without a click", [this] { focusWithoutClick(QStringLiteral("EFca")); }, 1,
       "StaticText1"},
      {"the converter unfolded after a click on a field",
       [this] {
         click(QStringLiteral("EFcr"));
         press(QStringLiteral("DisclosureTriangle1"));
       },
       1, "StaticText1"},
      {"the converter folded away after a click on a field",
       [this] {
         press(QStringLiteral("DisclosureTriangle1"));
         click(QStringLiteral("EFca"));
         press(QStringLiteral("DisclosureTriangle1"));
       },
       1, "StaticText1"},
  };
  start();
  for (const Route& route : routes) {
    SCOPED_TRACE(route.how);
    restart();
    route.reach();
    EXPECT_EQ(application().position, route.position);
    press(QStringLiteral("BB5"));
    const QString target = QString::fromLatin1(route.target);
    EXPECT_EQ(displayText(), target == QLatin1String("StaticText1") ? QStringLiteral("五") : QString());
    EXPECT_EQ(chineseField() == QStringLiteral("五"), target == QLatin1String("EFca"));
    EXPECT_EQ(arabicField() == QStringLiteral("五"), target == QLatin1String("EFcr"));
  }
}

TEST_F(ConverterTest, TheChineseFieldConvertsAtEveryKeystroke) {
  struct Step {
    const char16_t* typed;
    const char* arabic;
    bool italic;
  };
  const std::vector<Step> steps = {
      {u"一", "1", false},
      {u"一百", "100", false},
      {u"一百零", "100", true},
      {u"一百零二", "102", false},
      {u"一百零二万", "1020000", false},
      {u"一百零二万零", "1020000", true},
      {u"一百零二万零三", "1020003", false},
      {u"一百零二万零三百", "1020300", false},
      {u"一百零二万零三百零", "1020300", true},
      {u"一百零二万零三百零四", "1020304", false},
  };
  start();
  click(QStringLiteral("EFca"));
  QString typed;
  for (const Step& step : steps) {
    const QString next = QString::fromUtf16(step.typed);
    type(next.mid(typed.size()), QStringLiteral("EFca"));
    typed = next;
    SCOPED_TRACE(typed.toStdString());
    // The reader's write into the Arabic field never comes back into the Chinese one.
    EXPECT_EQ(chineseField(), typed);
    EXPECT_EQ(arabicField(), QString::fromLatin1(step.arabic));
    EXPECT_EQ(fpr().EFcr->italic(), step.italic);
  }
  EXPECT_EQ(displayText(), QString());
  EXPECT_FALSE(noteShown());
}

TEST_F(ConverterTest, TheArabicFieldConvertsAtEveryKeystroke) {
  const std::vector<std::pair<const char*, const char16_t*>> steps = {
      {"1", u"一"},
      {"10", u"十"},
      {"102", u"一百零二"},
      {"1020", u"一千零二十"},
      {"10203", u"一万零二百零三"},
      {"102030", u"十万二千零三十"},
      {"1020304", u"一百零二万零三百零四"},
  };
  start();
  click(QStringLiteral("EFcr"));
  QString typed;
  for (const auto& [arabic, chinese] : steps) {
    const QString next = QString::fromLatin1(arabic);
    type(next.mid(typed.size()), QStringLiteral("EFcr"));
    typed = next;
    SCOPED_TRACE(typed.toStdString());
    EXPECT_EQ(arabicField(), typed);
    EXPECT_EQ(chineseField(), QString::fromUtf16(chinese));
  }
  EXPECT_TRUE(services().messages.isEmpty());
}

// Real clicks on the keys and real key presses in the field: the keypad types at the caret and
// replaces a selection, and each insertion converts the whole field.
TEST_F(ConverterTest, TheKeypadTypesIntoTheChineseFieldAtItsCaret) {
  start();
  enter(QStringLiteral("七"));
  click(QStringLiteral("EFca"));
  press(QStringLiteral("BB10"));
  EXPECT_EQ(chineseField(), QStringLiteral("十"));
  EXPECT_EQ(arabicField(), QStringLiteral("10"));

  keyInto(QStringLiteral("EFca"), Qt::Key_Home);
  press(QStringLiteral("BB2"));
  EXPECT_EQ(chineseField(), QStringLiteral("二十"));
  EXPECT_EQ(arabicField(), QStringLiteral("20"));
  EXPECT_EQ(fpr().EFca->selStart(), 1);

  keyInto(QStringLiteral("EFca"), Qt::Key_A, Qt::ControlModifier);
  press(QStringLiteral("BB9"));
  EXPECT_EQ(chineseField(), QStringLiteral("九"));
  EXPECT_EQ(arabicField(), QStringLiteral("9"));

  // The keyboard and the keypad write into the same field.
  type(QStringLiteral("十"), QStringLiteral("EFca"));
  press(QStringLiteral("BB8"));
  EXPECT_EQ(chineseField(), QStringLiteral("九十八"));
  EXPECT_EQ(arabicField(), QStringLiteral("98"));

  // The calculator kept its number.
  EXPECT_EQ(displayText(), QStringLiteral("七"));
  EXPECT_EQ(fpr().c, QStringLiteral("八"));
}

TEST_F(ConverterTest, TheKeypadTypesChineseCharactersIntoTheArabicField) {
  start();
  typeInto(QStringLiteral("EFcr"), QStringLiteral("12"));
  EXPECT_EQ(chineseField(), QStringLiteral("十二"));
  press(QStringLiteral("BB4"));
  EXPECT_EQ(arabicField(), QStringLiteral("12四"));
  EXPECT_EQ(chineseField(), QStringLiteral("???????"));
  press(QStringLiteral("BevelButton1"));
  EXPECT_EQ(arabicField(), QStringLiteral("12"));
  EXPECT_EQ(chineseField(), QStringLiteral("十二"));
  keyInto(QStringLiteral("EFcr"), Qt::Key_Home);
  press(QStringLiteral("BB5"));
  EXPECT_EQ(arabicField(), QStringLiteral("五12"));
  EXPECT_EQ(chineseField(), QStringLiteral("???????"));
  EXPECT_EQ(displayText(), QString());
}

TEST_F(ConverterTest, TextTypedWithoutAClickIsConvertedAtTheNextClick) {
  start();
  focusWithoutClick(QStringLiteral("EFca"));
  type(QStringLiteral("三百五"), QStringLiteral("EFca"));
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(arabicField(), QString());
  // The keypad still types on the display.
  press(QStringLiteral("BB5"));
  EXPECT_EQ(displayText(), QStringLiteral("五"));
  EXPECT_EQ(chineseField(), QStringLiteral("三百五"));

  click(QStringLiteral("EFca"));
  EXPECT_EQ(arabicField(), QStringLiteral("350"));
  EXPECT_TRUE(fpr().EFcr->italic());
  EXPECT_EQ(displayText(), QStringLiteral("五"));
}

TEST_F(ConverterTest, AClickOnTheChineseFieldJudgesItsTextAnew) {
  start();
  typeInto(QStringLiteral("EFca"), QStringLiteral("一二"));
  EXPECT_EQ(arabicField(), QStringLiteral("????????"));
  click(QStringLiteral("Canvas4"));
  focusWithoutClick(QStringLiteral("EFca"));
  keyInto(QStringLiteral("EFca"), Qt::Key_A, Qt::ControlModifier);
  type(QStringLiteral("十五"), QStringLiteral("EFca"));
  EXPECT_EQ(arabicField(), QStringLiteral("????????"));
  click(QStringLiteral("EFca"));
  EXPECT_EQ(arabicField(), QStringLiteral("15"));
}

TEST_F(ConverterTest, AClickOnTheArabicFieldAfterAnOutOfRangeNumberConvertsNothing) {
  start();
  typeInto(QStringLiteral("EFcr"), QStringLiteral("1234567890123"));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  click(QStringLiteral("Canvas4"));
  click(QStringLiteral("EFcr"));
  EXPECT_EQ(application().position, 3);
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  EXPECT_EQ(arabicField(), QStringLiteral("1234567890123"));
  EXPECT_EQ(services().messages.size(), 1);
  // The next change converts again.
  keyInto(QStringLiteral("EFcr"), Qt::Key_A, Qt::ControlModifier);
  type(QStringLiteral("123"), QStringLiteral("EFcr"));
  EXPECT_EQ(chineseField(), QStringLiteral("一百二十三"));
}

// The out-of-range flag belongs to the number that raised it: once a new calculation starts or
// the Arabic field holds a new text, a click into that field converts it again.
TEST_F(ConverterTest, TheOutOfRangeFlagGoesWithANewCalculationOrANewArabicText) {
  start();  // the texts of the message boxes are looked up in the running application
  struct Case {
    const char* name;
    std::function<void()> sequence;  // ends with the converter unfolded
    Shown expected;                  // after a click into the Arabic field
  };
  const QStringList outOfRange{langues::lxhorslimites()};
  const std::vector<Case> cases = {
      {"a calculation out of range, then cleared",
       [this] {
         press(QStringLiteral("DisclosureTriangle1"));
         click(QStringLiteral("EFca"));
         enter(QStringLiteral("三百五"));
         click(QStringLiteral("Canvas4"));
         enter(QStringLiteral("九千亿乘二="));
         enter(QStringLiteral("C"));
       },
       {u"", u"", u"三百五十", u"350", outOfRange, u"|", u"     0|"}},
      {"a calculation out of range, then a Chinese text read into the Arabic field",
       [this] {
         enter(QStringLiteral("九千亿乘二="));
         press(QStringLiteral("DisclosureTriangle1"));
         click(QStringLiteral("EFca"));
         enter(QStringLiteral("三百五"));
       },
       {u"二", u"2", u"三百五十", u"350", outOfRange, u"九千亿|乘以|二|",
        u"九千亿     900000000000|乘以     0|二     0|"}},
      {"an Arabic text out of range, then a new one typed without a click",
       [this] {
         press(QStringLiteral("DisclosureTriangle1"));
         typeInto(QStringLiteral("EFcr"), QStringLiteral("1234567890123"));
         click(QStringLiteral("Canvas4"));
         focusWithoutClick(QStringLiteral("EFcr"));
         keyInto(QStringLiteral("EFcr"), Qt::Key_A, Qt::ControlModifier);
         type(QStringLiteral("12"), QStringLiteral("EFcr"));
         EXPECT_EQ(chineseField(), QStringLiteral("??????"));
       },
       {u"", u"", u"十二", u"12", outOfRange, u"|", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    c.sequence();
    click(QStringLiteral("EFcr"));
    EXPECT_EQ(application().position, 3);
    expectShown(c.expected);
  }
}

// The writer's markers are no Chinese text: reached by a click or by Shift+Tab, the Chinese
// field that holds one is not read, and the Arabic text that raised it stays.
TEST_F(ConverterTest, TheChineseFieldIsNotReadWhileItHoldsAMarker) {
  struct Case {
    const char16_t* typed;
    const char16_t* marker;
    bool byTab;
  };
  const std::vector<Case> cases = {
      {u"12a", u"???????", false},
      {u"1234567890123", u"??????", false},
      {u"12a", u"???????", true},
      {u"1234567890123", u"??????", true},
  };
  start();
  for (const Case& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    SCOPED_TRACE(testing::Message() << typed.toStdString() << (c.byTab ? " by Shift+Tab" : " by a click"));
    restart();
    press(QStringLiteral("DisclosureTriangle1"));
    typeInto(QStringLiteral("EFcr"), typed);
    EXPECT_EQ(chineseField(), QString::fromUtf16(c.marker));
    const Shown before = shown();
    if (c.byTab) {
      keyInto(QStringLiteral("EFcr"), Qt::Key_Backtab, Qt::ShiftModifier);
      ASSERT_TRUE(fpr().EFca->hasFocus());
    } else {
      click(QStringLiteral("EFca"));
    }
    EXPECT_EQ(application().position, 2);
    expectShown(before);
    EXPECT_EQ(arabicField(), typed);
    EXPECT_FALSE(noteShown());
  }
}

TEST_F(ConverterTest, AClickOnTheDisplayRebuildsTheNumberBeingEntered) {
  start();
  enter(QStringLiteral("十"));
  typeInto(QStringLiteral("EFca"), QStringLiteral("三"));
  EXPECT_EQ(arabicField(), QStringLiteral("3"));
  click(QStringLiteral("Canvas4"));
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(displayText(), QStringLiteral("十"));
  EXPECT_EQ(echoText(), QStringLiteral("10"));
  // The reader goes on from the display's number, not from the field's.
  enter(QStringLiteral("二"));
  EXPECT_EQ(displayText(), QStringLiteral("十二"));
  EXPECT_TRUE(services().messages.isEmpty());
}

TEST_F(ConverterTest, AClickOnTheDisplayLeavesAShownResultAlone) {
  start();
  enter(QStringLiteral("十二加三="));
  click(QStringLiteral("EFca"));
  click(QStringLiteral("Canvas4"));
  EXPECT_EQ(application().position, 1);
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  EXPECT_EQ(echoText(), QStringLiteral("15"));
  EXPECT_EQ(application().etat, 2);
  enter(QStringLiteral("百"));
  EXPECT_EQ(displayText(), QStringLiteral("十五"));
  enter(QStringLiteral("减三="));
  EXPECT_EQ(displayText(), QStringLiteral("十二"));
}

TEST_F(ConverterTest, TheGreyHintsGoForGoodAtTheFirstFocusOfEitherField) {
  struct Case {
    const char* how;
    std::function<void()> focus;
  };
  const std::vector<Case> cases = {
      {"a click on the Chinese field", [this] { click(QStringLiteral("EFca")); }},
      {"a click on the Arabic field", [this] { click(QStringLiteral("EFcr")); }},
      {"the focus without a click", [this] { focusWithoutClick(QStringLiteral("EFcr")); }},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    restart();
    // The hidden field that the window hands the focus to when it opens gives it away again.
    EXPECT_FALSE(fpr().EditField1->hasFocus());
    EXPECT_FALSE(fpr().EFca->hasFocus());
    EXPECT_FALSE(fpr().EFcr->hasFocus());
    EXPECT_TRUE(fpr().StaticText2->visible());
    EXPECT_TRUE(fpr().StaticText6->visible());
    c.focus();
    EXPECT_FALSE(fpr().StaticText2->visible());
    EXPECT_FALSE(fpr().StaticText6->visible());
    click(QStringLiteral("EFca"));
    press(QStringLiteral("BevelButton2"));
    click(QStringLiteral("Canvas4"));
    EXPECT_FALSE(fpr().StaticText2->visible());
    EXPECT_FALSE(fpr().StaticText6->visible());
  }
}

TEST_F(ConverterTest, TheNoteIsHiddenByAChangeOrAClickAndShownAgainByAReading) {
  start();
  typeInto(QStringLiteral("EFca"), QStringLiteral("壹佰"));
  EXPECT_EQ(arabicField(), QStringLiteral("100"));
  EXPECT_TRUE(noteShown());
  click(QStringLiteral("Canvas4"));
  EXPECT_FALSE(noteShown());
  click(QStringLiteral("EFca"));
  EXPECT_TRUE(noteShown());
  keyInto(QStringLiteral("EFca"), Qt::Key_A, Qt::ControlModifier);
  keyInto(QStringLiteral("EFca"), Qt::Key_Backspace);
  EXPECT_EQ(arabicField(), QString());
  EXPECT_FALSE(noteShown());
}

QString mixedText(int approximateLength) {
  // Numerals of several tables, Arabic digits, an emoji, right-to-left and control marks,
  // an unpaired surrogate, Latin letters and white space.
  const QString chunk = QStringLiteral("一百零二万3😀\u200F\u0001壹佰abc \t\n零点五\u202E") + QChar(0xD800) +
                        QStringLiteral("負十億\u00A0");
  QString text;
  text.reserve(approximateLength + chunk.size());
  while (text.size() < approximateLength) text += chunk;
  return text;
}

TEST_F(ConverterTest, AMegabyteOfMixedTextPastedIntoTheChineseFieldIsRefusedWithOneWrite) {
  start();
  click(QStringLiteral("EFca"));
  const FieldWorkMeter chinese(*fpr().EFca), arabic(*fpr().EFcr);
  const QString text = mixedText(1 << 20);
  paste(text);
  // Laid out once; the Arabic field gets its marker, not a write per character read.
  EXPECT_EQ(chinese.unitsWritten(), text.size());
  EXPECT_LE(arabic.unitsWritten(), kShortAnswerUnits);
  EXPECT_EQ(arabicField(), QStringLiteral("????????"));
  EXPECT_TRUE(chineseField().startsWith(QStringLiteral("一百零二万3")));
  EXPECT_GE(chineseField().size(), 1 << 20);
  EXPECT_FALSE(noteShown());
  EXPECT_TRUE(services().messages.isEmpty());
  EXPECT_EQ(fpr().EFca->scrollPosition(), 0);
  EXPECT_EQ(fpr().EFcr->scrollPosition(), 0);
  EXPECT_EQ(displayText(), QString());
}

// The blank ends of a long paste go in place: the kept text is not written into the field
// again nor given its colour again, whatever is left and whatever the blanks are.
TEST_F(ConverterTest, TheBlankEndsOfALongPasteAreRemovedInPlace) {
  QString blanks;
  for (int i = 0; i < 50000; ++i) blanks += QStringLiteral(" \t\n\r");
  const QString trailing(4096, QLatin1Char(' '));
  const QString junk = QStringLiteral("abc 123, 两百〇\u200F😀\x01x").repeated(40000);
  const struct {
    const char* what;
    const char* field;
    QString kept;
    QString pasted;
    QString otherField;
  } cases[] = {
      {"a numeral among blanks", "EFca", QStringLiteral("一百零二万零三百零四"),
       blanks + QStringLiteral("一百零二万零三百零四") + blanks, QStringLiteral("1020304")},
      {"junk ending in blanks", "EFca", QStringLiteral("一百") + junk, QStringLiteral("一百") + junk + trailing,
       QStringLiteral("????????")},
      {"a number among blanks", "EFcr", QStringLiteral("1020304"), blanks + QStringLiteral("1020304") + blanks,
       QStringLiteral("一百零二万零三百零四")},
      {"Arabic junk ending in blanks", "EFcr", QStringLiteral("12") + junk, QStringLiteral("12") + junk + trailing,
       QStringLiteral("???????")},
  };
  start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString name = QString::fromLatin1(c.field);
    auto* field = control<platform::EditField>(name);
    auto* other =
        control<platform::EditField>(name == QLatin1String("EFca") ? QStringLiteral("EFcr") : QStringLiteral("EFca"));
    click(name);
    field->setText(QString());
    const FieldWorkMeter work(*field);
    paste(c.pasted);
    EXPECT_EQ(field->text(), c.kept);
    EXPECT_EQ(other->text(), c.otherField);
    EXPECT_EQ(work.unitsWritten(), c.pasted.size());
    EXPECT_EQ(work.unitsFormatted(), 0);
    EXPECT_EQ(field->selStart(), texte::Len(c.kept));
  }
}

TEST_F(ConverterTest, ThePasteKeyGoesThroughTheSameConversion) {
  start();
  click(QStringLiteral("EFcr"));
  QApplication::clipboard()->setText(QStringLiteral("  1020304\n"));
  keyInto(QStringLiteral("EFcr"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(arabicField(), QStringLiteral("1020304"));
  EXPECT_EQ(chineseField(), QStringLiteral("一百零二万零三百零四"));

  // A megabyte of digits is out of range, reported once.
  QString digits;
  while (digits.size() < (1 << 20)) digits += QString(63, QLatin1Char('7')) + QLatin1Char('\n');
  keyInto(QStringLiteral("EFcr"), Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText(digits);
  keyInto(QStringLiteral("EFcr"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(chineseField(), QStringLiteral("??????"));
  EXPECT_EQ(services().messages, QStringList{langues::lxhorslimites()});
}

TEST_F(ConverterTest, TextDroppedIntoTheChineseFieldIsConverted) {
  start();
  click(QStringLiteral("EFca"));
  auto* edit = qobject_cast<QPlainTextEdit*>(fpr().EFca->widget());
  ASSERT_NE(edit, nullptr);
  QWidget* viewport = edit->viewport();
  QMimeData mime;
  mime.setText(QStringLiteral("三千零五"));
  const QPointF at(5, 5);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  processEvents();
  EXPECT_EQ(chineseField(), QStringLiteral("三千零五"));
  EXPECT_EQ(arabicField(), QStringLiteral("3005"));
}

}  // namespace
