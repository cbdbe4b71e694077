#include "platform/controls.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTimer>

#include "platform/application.h"
#include "platform/text.h"
#include "platform/widgets_p.h"
#include "platform/window.h"

namespace platform {

// ---- Control ----

Control::Control(Window& window, QString name, Control* parent, int index)
    : window_(window), name_(std::move(name)), parent_(parent), index_(index) {}

Control::~Control() {
  window_.application().forgetControl(this);
  if (widget_) {
    widget_->disconnect();
    if (eventFilter_) widget_->removeEventFilter(eventFilter_.get());
  }
}

QWidget* Control::parentWidget() const { return parent_ && parent_->widget() ? parent_->widget() : window_.content(); }

void Control::setWidget(QWidget* widget) {
  widget_ = widget;
  widget->setObjectName(name_);
  eventFilter_ = std::make_unique<ControlEventFilter>(*this);
  widget->installEventFilter(eventFilter_.get());
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->installEventFilter(eventFilter_.get());
  // A child shows with its window; showing it before it has its bounds would make Qt size it
  // to its contents first, which costs a font and a layout for every control.
  const QWidget* parent = widget->parentWidget();
  if (!visible_ || !parent || parent->isVisible()) widget->setVisible(visible_);
  widget->setEnabled(enabled_);
  setAcceptFocus(acceptFocus_);
}

void Control::setBounds(int left, int top, int width, int height) {
  const int dx = left - left_;
  const int dy = top - top_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  // The controls inside move with it, so their window coordinates follow.
  if (dx != 0 || dy != 0) shiftChildren(dx, dy);
  repositionInParent();
}

void Control::shiftChildren(int dx, int dy) {
  for (const auto& control : window_.controls()) {
    if (control->parent_ != this) continue;
    control->left_ += dx;
    control->top_ += dy;
    control->shiftChildren(dx, dy);
  }
}

void Control::repositionInParent() {
  if (!widget_) return;
  const int offsetX = parent_ ? parent_->left() : 0;
  const int offsetY = parent_ ? parent_->top() : 0;
  // A window shrunk below the design may leave a stretched control no room; it keeps its
  // own size, so that it grows back with the window.
  widget_->setGeometry(left_ - offsetX, top_ - offsetY, std::max(width_, 0), std::max(height_, 0));
}

void Control::windowResized(int dw, int dh) {
  // Locked to both sides of a direction it stretches; locked to the far side alone it keeps its
  // distance to that side. Each control follows the window's edges, also inside another one,
  // so the window moves the widgets once every control has its new place.
  if (lockRight_) {
    if (lockLeft_) {
      width_ += dw;
    } else {
      left_ += dw;
    }
  }
  if (lockBottom_) {
    if (lockTop_) {
      height_ += dh;
    } else {
      top_ += dh;
    }
  }
}

void Control::setVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void Control::setHelpTag(const QString& tag) {
  helpTag_ = tag;
  if (widget_) widget_->setToolTip(tag);
}

void Control::setLocks(bool left, bool top, bool right, bool bottom) {
  lockLeft_ = left;
  lockTop_ = top;
  lockRight_ = right;
  lockBottom_ = bottom;
}

void Control::setAccessibleName(const QString& name) {
  if (widget_) widget_->setAccessibleName(name);
}

void Control::setAccessibleDescription(const QString& description) {
  if (widget_) widget_->setAccessibleDescription(description);
}

void Control::setAcceptFocus(bool accept) {
  acceptFocus_ = accept;
  if (!widget_) return;
  if (!accept) {
    widget_->setFocusPolicy(Qt::NoFocus);
  } else if (qobject_cast<QAbstractScrollArea*>(widget_)) {
    widget_->setFocusPolicy(Qt::StrongFocus);
  } else {
    widget_->setFocusPolicy(Qt::ClickFocus);
  }
}

void Control::setFocus() {
  if (!acceptFocus_) return;
  Application& app = window_.application();
  app.moveFocus(this);
  // A GotFocus handler may have moved the focus on already. In a hidden window Qt keeps the
  // focus for the moment the window is shown; a hidden control takes none.
  if (app.focusedControl() == this && widget_ && widget_->isVisibleTo(window_.widget())) {
    widget_->setFocus(Qt::OtherFocusReason);
  }
}

bool Control::hasFocus() const { return window_.application().focusedControl() == this; }

void Control::connectMouseDown(std::function<bool(int, int)> handler) {
  onMouseDown_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::connectMouseEnter(std::function<void()> handler) {
  onMouseEnter_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::connectMouseExit(std::function<void()> handler) {
  onMouseExit_ = std::move(handler);
  mouseHandlersChanged();
}

void Control::focusGained() {
  if (onGotFocus_) onGotFocus_();
}

void Control::focusLost() {
  if (onLostFocus_) onLostFocus_();
}

bool Control::mousePressed(int x, int y) { return onMouseDown_ ? onMouseDown_(x, y) : false; }

void Control::mouseEntered() {
  if (onMouseEnter_) onMouseEnter_();
}

void Control::mouseExited() {
  if (onMouseExit_) onMouseExit_();
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event) {
  (void)watched;
  // While the application ends, what Qt does as the windows go reaches no handler.
  if (control_.window().application().tearingDown()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint p = mouse->position().toPoint();
      // True from the handler ends the click here; false lets it go on (caret placed as usual).
      return control_.mousePressed(p.x(), p.y());
    }
    case QEvent::Enter:
      control_.mouseEntered();
      break;
    case QEvent::Leave:
      control_.mouseExited();
      break;
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      Application& app = control_.window().application();
      if (app.focusedControl() == &control_) break;
      if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
          reason == Qt::ShortcutFocusReason) {
        if (control_.acceptFocus()) app.moveFocus(&control_);
      } else if (QWidget* widget = control_.widget()) {
        // Focus that Qt hands out by itself (a window's first focus) is not the user's choice.
        QPointer<QWidget> guarded(widget);
        QTimer::singleShot(0, widget, [guarded, &app, this] {
          if (guarded && guarded->hasFocus() && app.focusedControl() != &control_) guarded->clearFocus();
        });
      }
      break;
    }
    default:
      break;
  }
  return false;
}

// ---- StaticText ----

StaticText::StaticText(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* label = new QLabel(parentWidget());
  label->setTextFormat(Qt::PlainText);
  label->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setWidget(label);
  setAcceptFocus(false);
  applyFont();
  applyAlignment();
  setTextColor(textColor_);
}

void StaticText::mouseHandlersChanged() {
  // A label lets clicks through to what lies under it, unless it handles the mouse itself.
  if (widget()) widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !hasMouseHandlers());
}

void StaticText::setText(const QString& text) {
  text_ = text;
  static_cast<QLabel*>(widget())->setText(displayText(text));
}

void StaticText::setTextColor(Color color) {
  textColor_ = color;
  QPalette palette = widget()->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
  palette.setColor(QPalette::Text, QColor::fromRgb(color));
  widget()->setPalette(palette);
}

void StaticText::setTextFont(const QString& family) {
  font_.family = family;
  applyFont();
}

void StaticText::setTextSize(int size) {
  font_.size = size;
  applyFont();
}

void StaticText::setBold(bool on) {
  font_.bold = on;
  applyFont();
}

void StaticText::setItalic(bool on) {
  font_.italic = on;
  applyFont();
}

void StaticText::setUnderline(bool on) {
  font_.underline = on;
  applyFont();
}

void StaticText::setTextAlign(TextAlign align) {
  align_ = align;
  applyAlignment();
}

void StaticText::setMultiline(bool on) {
  multiline_ = on;
  static_cast<QLabel*>(widget())->setWordWrap(on);
}

void StaticText::applyFont() { widget()->setFont(resolveFont(font_)); }

void StaticText::applyAlignment() {
  Qt::Alignment h = Qt::AlignLeft;
  if (align_ == TextAlign::Center) h = Qt::AlignHCenter;
  if (align_ == TextAlign::Right) h = Qt::AlignRight;
  static_cast<QLabel*>(widget())->setAlignment(h | Qt::AlignTop);
}

// ---- EditField ----

TextWidget::TextWidget(EditField& field, QWidget* parent) : QPlainTextEdit(parent), field_(field) {
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

void TextWidget::insertFromMimeData(const QMimeData* source) {
  // Pasted and dropped text arrives as plain text, whatever else the clipboard offers.
  if (!source || !source->hasText()) return;
  QString text = source->text();
  // A CR LF pair is one line break, and a lone CR another; a single-line field takes spaces.
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (singleLine_) text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  // One edit, so that the field raises one TextChange for it.
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.insertText(text);
  cursor.endEditBlock();
  setTextCursor(cursor);
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
    pendingText_ = text;
    return;
  }
  if (text == text_) return;
  text_ = text;
  showText();
  raiseTextChange();
}

void EditField::compositionEnded() {
  if (!pendingText_) return;
  const QString text = *pendingText_;
  pendingText_.reset();
  setText(text);
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
  return CodePointIndex(text_, cursor.selectionStart());
}

int EditField::selLength() const {
  const QTextCursor cursor = textWidget()->textCursor();
  return CodePointIndex(text_, cursor.selectionEnd()) - CodePointIndex(text_, cursor.selectionStart());
}

QString EditField::selText() const { return Mid(text_, selStart() + 1, selLength()); }

void EditField::setSelStart(int start) {
  if (composing()) return;  // the caret stays with the text being composed
  const int len = Len(text_);
  start = std::clamp(start, 0, len);
  QTextCursor cursor = textWidget()->textCursor();
  cursor.setPosition(Utf16Index(text_, start));
  textWidget()->setTextCursor(cursor);
}

void EditField::setSelLength(int length) {
  if (composing()) return;
  const int start = selStart();
  const int end = std::clamp(start + std::max(length, 0), 0, Len(text_));
  QTextCursor cursor = textWidget()->textCursor();
  cursor.setPosition(Utf16Index(text_, start));
  cursor.setPosition(Utf16Index(text_, end), QTextCursor::KeepAnchor);
  textWidget()->setTextCursor(cursor);
}

void EditField::setSelText(const QString& text) {
  const int start = selStart();
  const int end = start + selLength();
  const QString result = text_.left(Utf16Index(text_, start)) + text + text_.mid(Utf16Index(text_, end));
  if (composing()) {
    pendingText_ = result;
    return;
  }
  TextWidget* edit = textWidget();
  updating_ = true;
  QTextCursor cursor = edit->textCursor();
  cursor.insertText(displayText(text));
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

void EditField::setTextFont(const QString& family) {
  font_.family = family;
  applyFont();
}

void EditField::setTextSize(int size) {
  font_.size = size;
  applyFont();
}

void EditField::applyFont() { widget()->setFont(resolveFont(font_)); }

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
  updating_ = wasUpdating;
}

void EditField::setRangeColor(int start, int length, Color color) {
  TextWidget* edit = textWidget();
  const bool wasUpdating = updating_;
  updating_ = true;
  QTextCursor cursor(edit->document());
  cursor.setPosition(Utf16Index(text_, start));
  cursor.setPosition(Utf16Index(text_, start + length), QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setForeground(QColor::fromRgb(color));
  cursor.mergeCharFormat(format);
  updating_ = wasUpdating;
}

Color EditField::colorAt(int position) const {
  // The format of the character itself; a line break's is the format that its next line starts with.
  const QTextDocument* document = textWidget()->document();
  const int at = Utf16Index(text_, std::max(position, 0));
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

void EditField::setBorder(bool on) { textWidget()->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame); }

void EditField::setAcceptTabs(bool on) { textWidget()->setTabChangesFocus(!on); }

void EditField::setScrollbarVertical(bool on) {
  textWidget()->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void EditField::cut() {
  if (!readOnly_) textWidget()->cut();
}

void EditField::copy() { textWidget()->copy(); }

void EditField::paste() {
  if (!readOnly_) textWidget()->paste();
}

// ---- BevelButton ----

BevelButton::BevelButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* button = new QPushButton(parentWidget());
  button->setAutoDefault(false);
  setWidget(button);
  QObject::connect(button, &QPushButton::clicked, button, [this] { push(); });
  applyFont();
}

void BevelButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(widget())->setText(caption);
}

void BevelButton::setTextFont(const QString& family) {
  font_.family = family;
  applyFont();
}

void BevelButton::setTextSize(int size) {
  font_.size = size;
  applyFont();
}

void BevelButton::applyFont() { widget()->setFont(resolveFont(font_)); }

void BevelButton::push() {
  if (onAction_) onAction_();
}

// ---- DisclosureTriangle ----

DisclosureTriangle::DisclosureTriangle(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* button = new QToolButton(parentWidget());
  button->setAutoRaise(true);
  setWidget(button);
  QObject::connect(button, &QToolButton::clicked, button, [this] { setValue(!value_); });
  applyArrow();
}

void DisclosureTriangle::setValue(bool value) {
  if (value == value_) return;
  value_ = value;
  applyArrow();
  if (onAction_) onAction_();
}

void DisclosureTriangle::applyArrow() {
  static_cast<QToolButton*>(widget())->setArrowType(value_ ? Qt::DownArrow : Qt::RightArrow);
}

// ---- Canvas ----

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  const QImage image = canvas_.backdrop().rendered();
  if (!image.isNull()) painter.drawImage(0, 0, image);
  if (canvas_.useFocusRing() && hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

Canvas::Canvas(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  setWidget(new CanvasWidget(*this, parentWidget()));
}

void Canvas::setBackdrop(const Picture& picture) {
  backdrop_ = picture;
  widget()->update();
}

void Canvas::setUseFocusRing(bool on) {
  useFocusRing_ = on;
  widget()->update();
}

void Canvas::setMouseTransparent(bool on) {
  mouseTransparent_ = on;
  widget()->setAttribute(Qt::WA_TransparentForMouseEvents, on);
}

// ---- PushButton ----

PushButton::PushButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* button = new QPushButton(parentWidget());
  button->setAutoDefault(false);
  setWidget(button);
  QObject::connect(button, &QPushButton::clicked, button, [this] { push(); });
  widget()->setFont(resolveFont(font_));
}

void PushButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(widget())->setText(caption);
}

void PushButton::setDefault(bool on) {
  default_ = on;
  static_cast<QPushButton*>(widget())->setDefault(on);
}

void PushButton::setTextSize(int size) {
  font_.size = size;
  widget()->setFont(resolveFont(font_));
}

void PushButton::push() {
  if (onAction_) onAction_();
}

// ---- CheckBox ----

CheckBox::CheckBox(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* box = new QCheckBox(parentWidget());
  setWidget(box);
  QObject::connect(box, &QCheckBox::clicked, box, [this] { clicked(); });
  widget()->setFont(resolveFont(font_));
}

void CheckBox::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QCheckBox*>(widget())->setText(caption);
}

void CheckBox::setValue(bool value) {
  value_ = value;
  const QSignalBlocker blocker(widget());
  static_cast<QCheckBox*>(widget())->setChecked(value);
}

void CheckBox::setTextSize(int size) {
  font_.size = size;
  widget()->setFont(resolveFont(font_));
}

void CheckBox::clicked() {
  value_ = static_cast<QCheckBox*>(widget())->isChecked();
  if (onAction_) onAction_();
}

// ---- RadioButton ----

RadioButton::RadioButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* radio = new QRadioButton(parentWidget());
  radio->setAutoExclusive(false);
  setWidget(radio);
  QObject::connect(radio, &QRadioButton::clicked, radio, [this] { clicked(); });
  widget()->setFont(resolveFont(font_));
}

void RadioButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QRadioButton*>(widget())->setText(caption);
}

void RadioButton::applyValue() {
  const QSignalBlocker blocker(widget());
  static_cast<QRadioButton*>(widget())->setChecked(value_);
}

void RadioButton::setValue(bool value) {
  value_ = value;
  applyValue();
  if (!value) return;
  for (const auto& control : window().controls()) {
    auto* other = dynamic_cast<RadioButton*>(control.get());
    if (other && other != this && other->parentControl() == parentControl() && other->value_) {
      other->value_ = false;
      other->applyValue();
    }
  }
}

void RadioButton::clicked() {
  setValue(true);
  if (onAction_) onAction_();
}

// ---- GroupBox, Line, Separator ----

GroupBox::GroupBox(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  setWidget(new QGroupBox(parentWidget()));
  setAcceptFocus(false);
}

Line::Line(Window& window, QString name, Control* parent, int index) : Control(window, std::move(name), parent, index) {
  auto* frame = new QFrame(parentWidget());
  frame->setAutoFillBackground(true);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setWidget(frame);
  setAcceptFocus(false);
  setLineColor(0x000000);
}

void Line::setEndpoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  setBounds(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), borderWidth_),
            std::max(std::abs(y2 - y1), borderWidth_));
}

void Line::setBorderWidth(int width) {
  borderWidth_ = width;
  setEndpoints(x1_, y1_, x2_, y2_);
}

void Line::setLineColor(Color color) {
  QPalette palette = widget()->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(color));
  widget()->setPalette(palette);
}

Separator::Separator(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* frame = new QFrame(parentWidget());
  frame->setFrameShape(QFrame::HLine);
  frame->setFrameShadow(QFrame::Sunken);
  setWidget(frame);
  setAcceptFocus(false);
}

// ---- Timer ----

Timer::Timer(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
    if (onAction_) onAction_();
  });
}

Timer::~Timer() = default;

void Timer::setMode(int mode) {
  mode_ = mode;
  timer_->stop();
  if (mode == 0) return;
  timer_->setSingleShot(mode == 1);
  timer_->start(period_);
}

void Timer::setPeriod(int period) {
  period_ = period;
  if (timer_->isActive()) timer_->start(period_);
}

}  // namespace platform
