#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/controls.h"
#include "platform/widgets_p.h"
#include "texte/text.h"

namespace platform {

// ---- EditField ----

TextWidget::TextWidget(EditField& field, QWidget* parent) : QPlainTextEdit(parent), field_(field) {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new FieldLayout(document));
  setDocument(document);
  setTabChangesFocus(true);
  // Wrapping at word boundaries lays out a long run without a break (a pasted megabyte of
  // digits) in quadratic time; the fields hold numerals, which need no word breaks.
  setWordWrapMode(QTextOption::WrapAnywhere);
}

void TextWidget::inputMethodEvent(QInputMethodEvent* event) {
  composing_ = !event->preeditString().isEmpty();
  QPlainTextEdit::inputMethodEvent(event);
  if (!composing_) field_.compositionEnded();
}

void TextWidget::keyPressEvent(QKeyEvent* event) {
  if (singleLine_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    event->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

namespace {

// What the user does to a field, after which the view goes where the user takes it.
bool byUser(const QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TextWidget::viewportEvent(QEvent* event) {
  const int top = beginEdit(event);
  const bool handled = QPlainTextEdit::viewportEvent(event);
  // A turn of the wheel scrolls where the user wants.
  if (event->type() != QEvent::Wheel) endEdit(top);
  return handled;
}

int TextWidget::beginEdit(const QEvent* event) {
  if (event && byUser(event)) heldTop_ = -1;
  return verticalScrollBar()->value();
}

void TextWidget::endEdit(int topBefore) {
  // The top line that the program set holds over Qt's own scrolls to the caret, which may come
  // after it in the same event or in a later one, until the user acts on the field again.
  QScrollBar* bar = verticalScrollBar();
  if (heldTop_ >= 0) {
    const int held = std::clamp(heldTop_, bar->minimum(), bar->maximum());
    if (bar->value() != held) bar->setValue(held);
    return;
  }
  keepLinesAbove(topBefore);
}

void TextWidget::keepLinesAbove(int topBefore) {
  QScrollBar* bar = verticalScrollBar();
  const int top = bar->value();
  if (top <= topBefore) return;
  const QTextCursor caret = textCursor();
  const QTextBlock block = caret.block();
  const auto* lines = static_cast<const FieldLayout*>(document()->documentLayout());
  lines->blockBoundingRect(block);  // lays the block out at its pitch
  if (topBefore < block.firstLineNumber() || !lines->pitched(block)) return;
  const QTextLine line = block.layout()->lineForTextPosition(caret.positionInBlock());
  if (!line.isValid()) return;
  const int caretLine = block.firstLineNumber() + line.lineNumber();
  const int shown = std::max(1, int(viewport()->height() / lines->chineseLineHeight()));
  const int wanted = std::max(topBefore, caretLine - shown + 1);
  if (wanted < top) bar->setValue(wanted);
}

void TextWidget::insertFromMimeData(const QMimeData* source) {
  // Pasted and dropped text arrives as plain text, whatever else the clipboard offers.
  if (!source || !source->hasText()) return;
  QString text = source->text();
  // A CR LF pair is one line break, and a lone CR another; a single-line field takes spaces.
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (singleLine_) text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  field_.insertPasted(text);
}

bool TextWidget::event(QEvent* event) {
  const int top = beginEdit(event);
  const bool handled = QPlainTextEdit::event(event);
  endEdit(top);
  switch (event->type()) {
    case QEvent::Paint:
      // The frame's own paint: the ring's outer line lies on the border.
      if (showsFocusRing()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
      }
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      update();
      viewport()->update();
      break;
    default:
      break;
  }
  return handled;
}

void TextWidget::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  // The ring's inner line lies in the document's margin, clear of the text.
  if (showsFocusRing()) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
  }
}

EditField::EditField(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* edit = new TextWidget(*this, parentWidget());
  edit->setFrameShape(QFrame::StyledPanel);
  edit->document()->setDocumentMargin(2);
  setWidget(edit);
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] { userEdited(); });
  setMultiline(false);
  applyFont();
  applyColors();
}

EditField::~EditField() = default;

TextWidget* EditField::textWidget() const { return static_cast<TextWidget*>(widget()); }

bool EditField::composing() const { return textWidget()->composing(); }

namespace {

// The field's text as the user left it: paragraph breaks as "\n", nothing else changed.
QString rawText(const QPlainTextEdit* edit) {
  QString raw = edit->document()->toRawText();
  raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return raw;
}

// The text after a user's edit. The widget shows "\f" and "\r" as line breaks, one character
// for one; the parts of the text that the edit left alone keep their own characters.
QString mergeUserEdit(const QString& text, const QString& shownBefore, const QString& shownNow) {
  if (text.size() != shownBefore.size()) return shownNow;
  const qsizetype common = std::min(shownBefore.size(), shownNow.size());
  qsizetype prefix = 0;
  while (prefix < common && shownBefore[prefix] == shownNow[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < common - prefix &&
         shownBefore[shownBefore.size() - 1 - suffix] == shownNow[shownNow.size() - 1 - suffix]) {
    ++suffix;
  }
  return text.left(prefix) + shownNow.mid(prefix, shownNow.size() - prefix - suffix) + text.right(suffix);
}

}  // namespace

void EditField::showText() {
  updating_ = true;
  TextWidget* edit = textWidget();
  edit->setPlainText(displayText(text_));
  work_.unitsWritten += text_.size();
  QTextCursor cursor = edit->textCursor();
  cursor.movePosition(QTextCursor::End);
  edit->setTextCursor(cursor);
  applyColors();
  shownRaw_ = rawText(edit);
  updating_ = false;
}

void EditField::setText(const QString& text) {
  if (composing()) {
    // Never rewrite a field while an input method composes in it; the text follows the commit.
    pendingEdits_.push_back([this, text] { setText(text); });
    return;
  }
  if (text == text_) return;
  text_ = text;
  showText();
  raiseTextChange();
}

void EditField::removeEnds(int head, int tail) {
  const int length = texte::Len(text_);
  head = std::clamp(head, 0, length);
  tail = std::clamp(tail, 0, length - head);
  if (head == 0 && tail == 0) return;
  const int from = texte::Utf16Index(text_, head);
  const int to = texte::Utf16Index(text_, length - tail);
  const QString kept = text_.mid(from, to - from);
  if (composing()) {
    pendingEdits_.push_back([this, kept] { setText(kept); });
    return;
  }
  // The widget shows each unit of the text as one position, so the ranges are the text's own.
  TextWidget* edit = textWidget();
  updating_ = true;
  // Within one edit the cursor's moves need no layout of the line. The caret stays with the
  // text it was in, or at the nearer end of what is kept; moving it would lay out the line
  // at once, a second time when a paste is being trimmed.
  QTextDocument* document = edit->document();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  cursor.setPosition(to);
  cursor.setPosition(document->characterCount() - 1, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.setPosition(0);
  cursor.setPosition(from, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.endEditBlock();
  shownRaw_ = shownRaw_.size() == text_.size() ? shownRaw_.mid(from, to - from) : rawText(edit);
  updating_ = false;
  text_ = kept;
  raiseTextChange();
}

void EditField::insertPasted(const QString& text) {
  work_.unitsWritten += text.size();
  TextWidget* edit = textWidget();
  QTextDocument* document = edit->document();
  const QTextCursor caret = edit->textCursor();
  const int start = caret.selectionStart();
  const int end = caret.selectionEnd();
  // Qt lays a changed line out at once, unless the change reaches past the end of the text.
  // A TextChange handler that trims a long paste would then have it laid out twice: once as
  // pasted, once as kept. So two placeholder characters go at the end first, on their own,
  // and the paste takes them away again: the line is laid out once, when next shown.
  QTextCursor cursor(document);
  updating_ = true;
  cursor.beginEditBlock();
  cursor.setPosition(document->characterCount() - 1);
  cursor.insertText(QStringLiteral("  "));
  cursor.endEditBlock();
  updating_ = false;
  // One edit, also for undoing, so that the field raises one TextChange for it.
  cursor.joinPreviousEditBlock();
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.insertText(text);
  const int caretAfter = cursor.position();
  cursor.setPosition(document->characterCount() - 3);
  cursor.setPosition(document->characterCount() - 1, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.setPosition(caretAfter);
  cursor.endEditBlock();
  edit->setTextCursor(cursor);
}

void EditField::compositionEnded() {
  // The edits made while the input method composed, in their order, after what it committed.
  std::vector<std::function<void()>> edits;
  edits.swap(pendingEdits_);
  for (const auto& edit : edits) edit();
}

void EditField::userEdited() {
  if (updating_) return;
  const QString now = rawText(textWidget());
  if (now == shownRaw_) return;
  const QString before = shownRaw_;
  shownRaw_ = now;
  text_ = mergeUserEdit(text_, before, now);
  raiseTextChange();
}

void EditField::raiseTextChange() {
  // Handlers re-enter through their own field; a runaway chain stops here.
  constexpr int maxDepth = 64;
  if (!onTextChange_ || textChangeDepth_ >= maxDepth) return;
  ++textChangeDepth_;
  onTextChange_();
  --textChangeDepth_;
}

int EditField::selStart() const {
  const QTextCursor cursor = textWidget()->textCursor();
  return texte::CodePointIndex(text_, cursor.selectionStart());
}

int EditField::selLength() const {
  const QTextCursor cursor = textWidget()->textCursor();
  return texte::CodePointIndex(text_, cursor.selectionEnd()) - texte::CodePointIndex(text_, cursor.selectionStart());
}

QString EditField::selText() const { return texte::Mid(text_, selStart() + 1, selLength()); }

void EditField::setSelStart(int start) {
  if (composing()) return;  // the caret stays with the text being composed
  const int len = texte::Len(text_);
  start = std::clamp(start, 0, len);
  QTextCursor cursor = textWidget()->textCursor();
  cursor.setPosition(texte::Utf16Index(text_, start));
  textWidget()->setTextCursor(cursor);
}

void EditField::setSelLength(int length) {
  if (composing()) return;
  const int start = selStart();
  const int end = std::clamp(start + std::max(length, 0), 0, texte::Len(text_));
  QTextCursor cursor = textWidget()->textCursor();
  cursor.setPosition(texte::Utf16Index(text_, start));
  cursor.setPosition(texte::Utf16Index(text_, end), QTextCursor::KeepAnchor);
  textWidget()->setTextCursor(cursor);
}

void EditField::setSelText(const QString& text) {
  if (composing()) {
    // Inserted at the caret once the input method has committed its text there.
    pendingEdits_.push_back([this, text] { setSelText(text); });
    return;
  }
  const int start = selStart();
  const int end = start + selLength();
  const QString result = text_.left(texte::Utf16Index(text_, start)) + text + text_.mid(texte::Utf16Index(text_, end));
  TextWidget* edit = textWidget();
  updating_ = true;
  QTextCursor cursor = edit->textCursor();
  cursor.insertText(displayText(text));
  work_.unitsWritten += text.size();
  edit->setTextCursor(cursor);
  shownRaw_ = rawText(edit);
  updating_ = false;
  if (result == text_) return;
  text_ = result;
  raiseTextChange();
}

void EditField::setItalic(bool on) {
  font_.italic = on;
  applyFont();
}

void EditField::setBold(bool on) {
  font_.bold = on;
  applyFont();
}

// Setting the font a control already has would only make Qt lay its text out again.
void EditField::setTextFont(const QString& family) {
  if (family == font_.family) return;
  font_.family = family;
  applyFont();
}

void EditField::setTextSize(int size) {
  if (size == font_.size) return;
  font_.size = size;
  applyFont();
}

void EditField::applyFont() { setControlFont(widget(), font_); }

void EditField::setTextColor(Color color) {
  textColor_ = color;
  applyColors();
}

void EditField::setBackColor(Color color) {
  backColor_ = color;
  applyColors();
}

void EditField::applyColors() {
  TextWidget* edit = textWidget();
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, QColor::fromRgb(textColor_));
  palette.setColor(QPalette::Base, QColor::fromRgb(backColor_));
  edit->setPalette(palette);
  // The whole text takes the field's colour; ranges set later override it.
  const bool wasUpdating = updating_;
  updating_ = true;
  QTextCursor all(edit->document());
  all.select(QTextCursor::Document);
  QTextCharFormat format;
  format.setForeground(QColor::fromRgb(textColor_));
  all.mergeCharFormat(format);
  work_.unitsFormatted += all.selectionEnd() - all.selectionStart();
  updating_ = wasUpdating;
}

void EditField::setRangeColor(int start, int length, Color color) {
  if (!styled_) {
    start = 0;
    length = texte::Len(text_);
  }
  TextWidget* edit = textWidget();
  const bool wasUpdating = updating_;
  updating_ = true;
  QTextCursor cursor(edit->document());
  cursor.setPosition(texte::Utf16Index(text_, start));
  cursor.setPosition(texte::Utf16Index(text_, start + length), QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setForeground(QColor::fromRgb(color));
  cursor.mergeCharFormat(format);
  work_.unitsFormatted += cursor.selectionEnd() - cursor.selectionStart();
  updating_ = wasUpdating;
}

Color EditField::colorAt(int position) const {
  // The format of the character itself; a line break's is the format that its next line starts with.
  const QTextDocument* document = textWidget()->document();
  const int at = texte::Utf16Index(text_, std::max(position, 0));
  QTextCharFormat format;
  const QTextBlock next = document->findBlock(at + 1);
  if (next.isValid() && next.position() == at + 1) {
    format = next.charFormat();
  } else {
    QTextCursor cursor(textWidget()->document());
    cursor.setPosition(std::min(at + 1, document->characterCount() - 1));
    format = cursor.charFormat();
  }
  const QBrush brush = format.foreground();
  if (brush.style() == Qt::NoBrush) return textColor_;
  return brush.color().rgb() & 0xFFFFFFu;
}

void EditField::setScrollPosition(int line) {
  scrollPosition_ = line;
  QScrollBar* bar = textWidget()->verticalScrollBar();
  bar->setValue(std::clamp(line, bar->minimum(), bar->maximum()));
  textWidget()->heldTop_ = line;
}

void EditField::setReadOnly(bool on) {
  readOnly_ = on;
  textWidget()->setReadOnly(on);
}

void EditField::setMultiline(bool on) {
  multiline_ = on;
  TextWidget* edit = textWidget();
  edit->setSingleLine(!on);
  edit->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  if (!on) {
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

void EditField::setUseFocusRing(bool on) {
  useFocusRing_ = on;
  textWidget()->update();
  textWidget()->viewport()->update();
}

void EditField::setBorder(bool on) { textWidget()->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame); }

void EditField::setAcceptTabs(bool on) { textWidget()->setTabChangesFocus(!on); }

void EditField::setScrollbarVertical(bool on) {
  textWidget()->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  static_cast<FieldLayout*>(textWidget()->document()->documentLayout())->setPitching(!on);
}

void EditField::cut() {
  if (!readOnly_) textWidget()->cut();
}

void EditField::copy() { textWidget()->copy(); }

void EditField::paste() {
  if (readOnly_) return;
  TextWidget* edit = textWidget();
  const int top = edit->beginEdit(nullptr);
  edit->paste();
  edit->endEdit(top);
}

}  // namespace platform
