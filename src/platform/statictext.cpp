#include <QLabel>

#include "platform/controls.h"
#include "platform/widgets_p.h"

namespace platform {

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

// Setting the font a control already has would only make Qt lay its text out again.
void StaticText::setTextFont(const QString& family) {
  if (family == font_.family) return;
  font_.family = family;
  applyFont();
}

void StaticText::setTextSize(int size) {
  if (size == font_.size) return;
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

}  // namespace platform
