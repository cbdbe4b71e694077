// Edit fields: TextChange raised synchronously for code and user edits, selections in
// characters, line separators shown one for one, and input methods left alone.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "platform/platform_fixture.h"
#include "texte/text.h"

namespace {

using platform::EditField;
using platform_test::PlatformTest;
using platform_test::WindowA;

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

class EditFieldTest : public PlatformTest {
 protected:
  EditFieldTest() {
    window = &app().instance<WindowA>();
    field = window->make<EditField>(QStringLiteral("EF"));
    field->setBounds(10, 10, 260, 30);
    field->connectTextChange([this] {
      seen << field->text();
      if (onChange) onChange();
    });
  }
  QPlainTextEdit* edit() const { return static_cast<QPlainTextEdit*>(field->widget()); }
  QString shown() const { return edit()->toPlainText(); }
  // Gives the field the focus and puts the caret at the end, as a click there would.
  void focusAtEnd() {
    field->setFocus();
    field->setSelStart(texte::Len(field->text()));
    seen.clear();
  }

  WindowA* window = nullptr;
  EditField* field = nullptr;
  QStringList seen;  // the field's text at each TextChange
  std::function<void()> onChange;
};

TEST_F(EditFieldTest, SetTextRaisesTextChangeAtOnceAndOnlyOnAChange) {
  field->setText(QStringLiteral("abc"));
  EXPECT_EQ(seen, QStringList{"abc"}) << "raised inside setText, with the new text";
  EXPECT_EQ(shown(), QStringLiteral("abc"));
  field->setText(QStringLiteral("abc"));
  EXPECT_EQ(seen.size(), 1) << "the same text changes nothing";
  field->setText(QString());
  EXPECT_EQ(seen, (QStringList{"abc", ""}));
}

TEST_F(EditFieldTest, AHandlerThatTrimsItsOwnFieldEndsWithTheTrimmedText) {
  onChange = [this] {
    const int len = texte::Len(field->text());
    if (len > 5) field->setText(texte::Left(field->text(), len - 1));
  };
  field->setText(QStringLiteral("abcdefghij"));
  EXPECT_EQ(field->text(), QStringLiteral("abcde"));
  EXPECT_EQ(shown(), QStringLiteral("abcde"));
  EXPECT_EQ(seen, (QStringList{"abcdefghij", "abcdefghi", "abcdefgh", "abcdefg", "abcdef", "abcde"}));
}

TEST_F(EditFieldTest, AHandlerThatTrimsWhatTheUserTypes) {
  onChange = [this] {
    while (texte::Len(field->text()) > 3) field->setText(texte::Left(field->text(), 3));
  };
  focusAtEnd();
  QTest::keyClicks(edit(), QStringLiteral("abcde"));
  EXPECT_EQ(field->text(), QStringLiteral("abc"));
  EXPECT_EQ(shown(), QStringLiteral("abc"));
  QTest::keyClick(edit(), Qt::Key_Backspace);
  EXPECT_EQ(field->text(), QStringLiteral("ab")) << "the field still takes the user's edits";
  EXPECT_EQ(shown(), QStringLiteral("ab"));
}

TEST_F(EditFieldTest, AHandlerThatNeverSettlesIsCutOff) {
  onChange = [this] { field->setText(field->text() + QLatin1Char('x')); };
  field->setText(QStringLiteral("a"));
  EXPECT_GE(seen.size(), 2);
  EXPECT_LE(seen.size(), 1000) << "the chain of nested TextChange events is bounded";
  EXPECT_EQ(shown(), field->text());
  // The field works normally afterwards.
  onChange = nullptr;
  seen.clear();
  field->setText(QStringLiteral("b"));
  EXPECT_EQ(seen, QStringList{"b"});
}

TEST_F(EditFieldTest, SelectionCountsCharacters) {
  field->setText(QStringLiteral("a") + kEmoji + QStringLiteral("bc"));
  field->setSelStart(1);
  field->setSelLength(1);
  EXPECT_EQ(field->selStart(), 1);
  EXPECT_EQ(field->selLength(), 1);
  EXPECT_EQ(field->selText(), kEmoji);
  field->setSelStart(2);
  field->setSelLength(5);
  EXPECT_EQ(field->selLength(), 2) << "clamped to the text";
  EXPECT_EQ(field->selText(), QStringLiteral("bc"));
  field->setSelStart(99);
  EXPECT_EQ(field->selStart(), 4);
  EXPECT_EQ(field->selLength(), 0);
  field->setSelStart(-3);
  EXPECT_EQ(field->selStart(), 0);
}

TEST_F(EditFieldTest, SetSelTextReplacesTheSelectionOrInsertsAtTheCaret) {
  struct Case {
    const char* what;
    QString text;
    int start;
    int length;
    QString inserted;
    QString result;
    int caretAfter;
  };
  const QString e = kEmoji;
  const std::vector<Case> cases = {
      {"insert at the caret", "abc", 1, 0, "X", "aXbc", 2},
      {"insert at the end", "abc", 3, 0, "零", "abc零", 4},
      {"insert after an emoji", "a" + e + "b", 2, 0, "Y", "a" + e + "Yb", 3},
      {"replace an emoji", "a" + e + "b", 1, 1, "Z", "aZb", 2},
      {"replace with an emoji", "abc", 0, 2, e, e + "c", 1},
      {"delete the selection", "abcd", 1, 2, "", "ad", 1},
      {"insert into an empty field", "", 0, 0, "一二", "一二", 2},
      {"a line separator is kept", "a\fb", 3, 0, "\fc", "a\fb\fc", 5},
  };
  for (const Case& c : cases) {
    field->setText(c.text);
    field->setSelStart(c.start);
    field->setSelLength(c.length);
    seen.clear();
    field->setSelText(c.inserted);
    EXPECT_EQ(field->text(), c.result) << c.what;
    EXPECT_EQ(seen, QStringList{c.result}) << c.what << ": one TextChange, raised at once";
    EXPECT_EQ(field->selStart(), c.caretAfter) << c.what;
    EXPECT_EQ(field->selLength(), 0) << c.what;
    EXPECT_EQ(shown(), QString(c.result).replace(QLatin1Char('\f'), QLatin1Char('\n'))) << c.what;
  }
}

TEST_F(EditFieldTest, SetSelTextOfNothingOnNoSelectionRaisesNothing) {
  field->setText(QStringLiteral("abc"));
  field->setSelStart(1);
  seen.clear();
  field->setSelText(QString());
  EXPECT_TRUE(seen.isEmpty());
  EXPECT_EQ(field->text(), QStringLiteral("abc"));
}

TEST_F(EditFieldTest, LineSeparatorsShowOneForOneSoColourRangesKeepTheirPlaces) {
  field->setStyled(true);
  field->setMultiline(true);
  field->setTextColor(0x000000);
  field->setText(QStringLiteral("ab\fcd\ref") + kEmoji + QStringLiteral("g"));
  EXPECT_EQ(shown(), QStringLiteral("ab\ncd\nef") + kEmoji + QStringLiteral("g"));
  EXPECT_EQ(field->text(), QStringLiteral("ab\fcd\ref") + kEmoji + QStringLiteral("g")) << "the text keeps its codes";
  field->setRangeColor(3, 2, 0xFF0000);  // "cd"
  field->setRangeColor(9, 1, 0x00FF00);  // "g", after the emoji
  field->setRangeColor(5, 2, 0x0000FF);  // the CR and "e"
  struct Case {
    int position;
    platform::Color color;
  };
  const std::vector<Case> cases = {{0, 0x000000}, {1, 0x000000}, {2, 0x000000}, {3, 0xFF0000}, {4, 0xFF0000},
                                   {5, 0x0000FF}, {6, 0x0000FF}, {7, 0x000000}, {8, 0x000000}, {9, 0x00FF00}};
  for (const Case& c : cases) EXPECT_EQ(field->colorAt(c.position), c.color) << "at " << c.position;
}

TEST_F(EditFieldTest, OnlyAStyledFieldColoursARangeAlone) {
  const struct {
    bool styled;
    std::vector<platform::Color> colors;  // of "a", "b", the emoji, "d"
  } cases[] = {
      {true, {0x000000, 0xFF0000, 0xFF0000, 0x000000}},
      {false, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.styled ? "styled" : "not styled");
    field->setStyled(c.styled);
    field->setTextColor(0x000000);
    field->setText(QStringLiteral("ab") + kEmoji + QStringLiteral("d"));
    field->setRangeColor(1, 2, 0xFF0000);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(field->colorAt(i), c.colors[i]) << "at " << i;
    field->setText(QString());
  }
}

TEST_F(EditFieldTest, TheFocusRingShowsOnlyWhileAFieldThatWantsOneHasTheFocus) {
  auto* other = window->make<EditField>(QStringLiteral("other"));
  other->setBounds(10, 50, 260, 30);
  window->show();
  // The ring follows Qt's focus, which lies only in the active window.
  window->widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
  field->setBorder(true);
  const struct {
    const char* what;
    bool ring, focused, drawn;
  } cases[] = {
      {"the focus, with the ring", true, true, true},
      {"no focus", true, false, false},
      {"the focus, without the ring", false, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    field->setUseFocusRing(c.ring);
    (c.focused ? field : other)->setFocus();
    ASSERT_EQ(field->hasFocus(), c.focused);
    const QImage drawn = edit()->grab().toImage();
    const QRgb highlight = edit()->palette().color(QPalette::Highlight).rgb();
    const int middle = drawn.height() / 2;
    EXPECT_EQ(drawn.pixel(0, middle) == highlight, c.drawn) << "on the border";
    EXPECT_EQ(drawn.pixel(1, middle) == highlight, c.drawn) << "inside it, clear of the text";
  }
}

TEST_F(EditFieldTest, TypingKeepsTheLineSeparatorsOfTheText) {
  field->setMultiline(true);
  field->setText(QStringLiteral("a\fb\rc"));
  focusAtEnd();
  QTest::keyClicks(edit(), QStringLiteral("d"));
  EXPECT_EQ(field->text(), QStringLiteral("a\fb\rcd"));
  EXPECT_EQ(seen, QStringList{"a\fb\rcd"});
}

TEST_F(EditFieldTest, TypedKeysRaiseOneTextChangeEach) {
  focusAtEnd();
  QTest::keyClicks(edit(), QStringLiteral("12"));
  EXPECT_EQ(seen, (QStringList{"1", "12"}));
  QTest::keyClick(edit(), Qt::Key_Backspace);
  EXPECT_EQ(seen, (QStringList{"1", "12", "1"}));
  seen.clear();
  QTest::keyClick(edit(), Qt::Key_Left);
  EXPECT_TRUE(seen.isEmpty()) << "moving the caret changes no text";
}

TEST_F(EditFieldTest, TypingOverASelectionRaisesOneTextChange) {
  field->setText(QStringLiteral("abcd"));
  field->setFocus();
  field->setSelStart(1);
  field->setSelLength(2);
  seen.clear();
  QTest::keyClicks(edit(), QStringLiteral("X"));
  EXPECT_EQ(seen, QStringList{"aXd"});
}

TEST_F(EditFieldTest, ReturnInASingleLineFieldAddsNoLine) {
  focusAtEnd();
  QTest::keyClicks(edit(), QStringLiteral("a"));
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_EQ(field->text(), QStringLiteral("a"));
}

TEST_F(EditFieldTest, EditMenuCutsCopiesAndPastesInTheFocusedField) {
  installEditMenu();
  field->setText(QStringLiteral("abc"));
  field->setFocus();
  field->setSelStart(1);
  field->setSelLength(1);
  seen.clear();
  chooseMenu(QStringLiteral("EditCopy"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("b"));
  EXPECT_TRUE(seen.isEmpty());
  chooseMenu(QStringLiteral("EditCut"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("b"));
  EXPECT_EQ(seen, QStringList{"ac"});
  seen.clear();
  QApplication::clipboard()->setText(QStringLiteral("零") + kEmoji);
  chooseMenu(QStringLiteral("EditPaste"));
  EXPECT_EQ(seen, QStringList{"a零" + kEmoji + "c"}) << "one TextChange for the paste";
  EXPECT_EQ(field->selStart(), 3);
}

TEST_F(EditFieldTest, PasteOverASelectionRaisesOneTextChange) {
  installEditMenu();
  field->setText(QStringLiteral("abcd"));
  field->setFocus();
  field->setSelStart(1);
  field->setSelLength(2);
  seen.clear();
  QApplication::clipboard()->setText(QStringLiteral("XY"));
  chooseMenu(QStringLiteral("EditPaste"));
  EXPECT_EQ(seen, QStringList{"aXYd"});
}

// A paste is one edit: its text lands where the caret or selection was, nothing else shows,
// the caret follows it, and one undo takes the whole paste back.
TEST_F(EditFieldTest, APasteIsOneEditAlsoForUndo) {
  installEditMenu();
  const struct {
    const char* what;
    int selStart, selLength;
    QString pasted, after;
    int caretAfter;
  } cases[] = {
      {"at the end", 4, 0, QStringLiteral("XY"), QStringLiteral("abcdXY"), 6},
      {"at the start", 0, 0, QStringLiteral("XY"), QStringLiteral("XYabcd"), 2},
      {"over a selection", 1, 2, kEmoji + QStringLiteral("Y"), QStringLiteral("a") + kEmoji + QStringLiteral("Yd"), 3},
      {"over everything", 0, 4, QStringLiteral("Z"), QStringLiteral("Z"), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    field->setText(QStringLiteral("abcd"));
    field->setFocus();
    field->setSelStart(c.selStart);
    field->setSelLength(c.selLength);
    seen.clear();
    QApplication::clipboard()->setText(c.pasted);
    chooseMenu(QStringLiteral("EditPaste"));
    EXPECT_EQ(seen, QStringList{c.after});
    EXPECT_EQ(shown(), c.after);
    EXPECT_EQ(field->selStart(), c.caretAfter);
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("abcd"));
    EXPECT_EQ(shown(), QStringLiteral("abcd"));
  }
}

TEST_F(EditFieldTest, RemoveEndsKeepsTheMiddleInPlace) {
  const QString text = QStringLiteral("  a") + kEmoji + QStringLiteral("b\n ");
  const struct {
    const char* what;
    int head, tail;
    QString kept;
  } cases[] = {
      {"both ends", 2, 2, QStringLiteral("a") + kEmoji + QStringLiteral("b")},
      {"the start alone", 2, 0, QStringLiteral("a") + kEmoji + QStringLiteral("b\n ")},
      {"the end alone, past a character beyond the BMP", 0, 4, QStringLiteral("  a")},
      {"more than the text", 4, 9, QString()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    field->setText(text);
    field->setRangeColor(0, texte::Len(text), 0xFF0000);
    const qsizetype written = field->work().unitsWritten;
    seen.clear();
    field->removeEnds(c.head, c.tail);
    EXPECT_EQ(field->text(), c.kept);
    EXPECT_EQ(shown(), c.kept);
    EXPECT_EQ(seen, QStringList{c.kept});
    EXPECT_EQ(field->work().unitsWritten, written) << "nothing is written again";
    if (!c.kept.isEmpty()) {
      EXPECT_EQ(field->colorAt(0), 0xFF0000u) << "the kept text keeps its colour";
    }
  }
  seen.clear();
  field->removeEnds(0, 0);
  EXPECT_TRUE(seen.isEmpty()) << "removing nothing changes nothing";
}

TEST_F(EditFieldTest, PastedLineBreaks) {
  installEditMenu();
  struct Case {
    const char* what;
    bool multiline;
    QString clipboard;
    QString result;
  };
  const std::vector<Case> cases = {
      {"single line: breaks become spaces", false, "a\nb\r\nc\rd", "a b c d"},
      {"multiline: a CR LF pair is one break", true, "a\r\nb", "a\nb"},
      {"multiline: a lone CR is a break", true, "a\rb", "a\nb"},
  };
  for (const Case& c : cases) {
    field->setMultiline(c.multiline);
    field->setText(QString());
    field->setFocus();
    seen.clear();
    QApplication::clipboard()->setText(c.clipboard);
    chooseMenu(QStringLiteral("EditPaste"));
    EXPECT_EQ(field->text(), c.result) << c.what;
    EXPECT_EQ(seen.size(), 1) << c.what;
    EXPECT_EQ(edit()->document()->blockCount(), static_cast<int>(c.result.count(QLatin1Char('\n'))) + 1) << c.what;
  }
}

TEST_F(EditFieldTest, TheEditMenuDoesNothingWithoutAFocusedField) {
  installEditMenu();
  field->setText(QStringLiteral("abc"));
  seen.clear();
  QApplication::clipboard()->setText(QStringLiteral("x"));
  chooseMenu(QStringLiteral("EditPaste"));
  EXPECT_EQ(field->text(), QStringLiteral("abc"));
  EXPECT_TRUE(seen.isEmpty());
}

TEST_F(EditFieldTest, ReadOnlyFieldsRefuseCutAndPaste) {
  installEditMenu();
  field->setText(QStringLiteral("abc"));
  field->setReadOnly(true);
  field->setFocus();
  field->setSelStart(0);
  field->setSelLength(3);
  QApplication::clipboard()->setText(QStringLiteral("x"));
  seen.clear();
  chooseMenu(QStringLiteral("EditPaste"));
  chooseMenu(QStringLiteral("EditCut"));
  EXPECT_EQ(field->text(), QStringLiteral("abc"));
  EXPECT_TRUE(seen.isEmpty());
  chooseMenu(QStringLiteral("EditCopy"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
}

TEST_F(EditFieldTest, ADropRaisesOneTextChange) {
  field->setText(QStringLiteral("ab"));
  window->show();
  processEvents();
  QMimeData data;
  data.setText(QStringLiteral("三") + kEmoji);
  QWidget* viewport = edit()->viewport();
  const QPoint at = edit()->cursorRect(edit()->textCursor()).center();  // after "ab"
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  seen.clear();
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  EXPECT_EQ(seen, QStringList{"ab三" + kEmoji});
}

TEST_F(EditFieldTest, AMegabyteOfPastedTextIsTakenWhole) {
  installEditMenu();
  field->setMultiline(true);
  field->setFocus();
  QString big;
  big.reserve(1'100'000);
  for (int i = 0; i < 100'000; ++i)
    big += QStringLiteral("零一") + kEmoji + QChar(0xD800) + QStringLiteral("\u200F\t\n");
  QApplication::clipboard()->setText(big);
  seen.clear();
  chooseMenu(QStringLiteral("EditPaste"));
  ASSERT_EQ(seen.size(), 1);
  EXPECT_EQ(texte::Len(field->text()), 100'000 * 7);
}

class CompositionTest : public EditFieldTest {
 protected:
  void compose(const QString& preedit) {
    QInputMethodEvent event(
        preedit, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, static_cast<int>(preedit.size()), 1)});
    QApplication::sendEvent(edit(), &event);
  }
  void commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit(), &event);
  }
  QString preeditShown() const { return edit()->textCursor().block().layout()->preeditAreaText(); }
};

TEST_F(CompositionTest, ComposingRaisesNothingAndTheCommitRaisesOnce) {
  field->setText(QStringLiteral("一"));
  focusAtEnd();
  compose(QStringLiteral("er"));
  EXPECT_TRUE(field->composing());
  EXPECT_EQ(preeditShown(), QStringLiteral("er"));
  EXPECT_TRUE(seen.isEmpty()) << "the text being composed is no change yet";
  EXPECT_EQ(field->text(), QStringLiteral("一"));
  commit(QStringLiteral("二"));
  EXPECT_FALSE(field->composing());
  EXPECT_EQ(seen, QStringList{"一二"});
}

TEST_F(CompositionTest, SetTextWaitsForTheCommit) {
  field->setText(QStringLiteral("一"));
  focusAtEnd();
  compose(QStringLiteral("san"));
  field->setText(QStringLiteral("????????"));
  EXPECT_TRUE(seen.isEmpty()) << "nothing changes while the input method composes";
  EXPECT_EQ(shown(), QStringLiteral("一"));
  EXPECT_EQ(preeditShown(), QStringLiteral("san"));
  EXPECT_TRUE(field->composing());
  const int caret = edit()->textCursor().position();
  field->setSelStart(0);
  EXPECT_EQ(edit()->textCursor().position(), caret) << "the caret stays where the composition is";
  compose(QStringLiteral("sanb"));
  EXPECT_EQ(preeditShown(), QStringLiteral("sanb"));
  commit(QStringLiteral("三"));
  // The commit arrives, then the text set meanwhile replaces it.
  EXPECT_EQ(seen, (QStringList{"一三", "????????"}));
  EXPECT_EQ(field->text(), QStringLiteral("????????"));
  EXPECT_EQ(shown(), QStringLiteral("????????"));
}

TEST_F(CompositionTest, SetSelTextWaitsForTheCommitToo) {
  field->setText(QStringLiteral("一"));
  focusAtEnd();
  compose(QStringLiteral("wu"));
  field->setSelText(QStringLiteral("五"));
  EXPECT_TRUE(seen.isEmpty());
  EXPECT_EQ(preeditShown(), QStringLiteral("wu"));
  commit(QString());
  EXPECT_EQ(field->text(), QStringLiteral("一五"));
  EXPECT_EQ(seen, QStringList{"一五"});
}

TEST_F(CompositionTest, ACancelledCompositionAppliesTheWaitingText) {
  field->setText(QStringLiteral("一"));
  focusAtEnd();
  compose(QStringLiteral("si"));
  field->setText(QString());
  commit(QString());  // the user cancels: no preedit, nothing committed
  EXPECT_EQ(field->text(), QString());
  EXPECT_EQ(seen, QStringList{""});
}

}  // namespace
