#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

#include "platform/controls.h"
#include "platform/widgets_p.h"
#include "platform/window.h"

namespace platform {

namespace {

// A check box or radio button takes a click anywhere in its bounds, on its words and beside
// them as on its box: a caption drawn in a picture under it is clicked there.
template <class Button>
class WholeFrameButton : public Button {
 public:
  using Button::Button;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// A caption of its own is what Qt reads; without one, the words drawn for it in a picture.
void nameFromPicture(QWidget* button, const QString& caption, const QString& pictureCaption) {
  button->setAccessibleName(caption.isEmpty() ? pictureCaption : QString());
}

}  // namespace

// ---- BevelButton ----

BevelWidget::BevelWidget(QWidget* parent) : QPushButton(parent) {}

void BevelWidget::setCaptionRise(int pixels) {
  if (pixels == rise_) return;
  rise_ = pixels;
  update();
}

void BevelWidget::paintEvent(QPaintEvent* event) {
  if (rise_ == 0) return QPushButton::paintEvent(event);
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  option.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).translated(0, -rise_);
  painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

BevelButton::BevelButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* button = new BevelWidget(parentWidget());
  button->setAutoDefault(false);
  setWidget(button);
  QObject::connect(button, &QPushButton::clicked, button, [this] { push(); });
  applyFont();
}

void BevelButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(widget())->setText(caption);
}

// Setting the font a control already has would only make Qt lay its text out again.
void BevelButton::setTextFont(const QString& family) {
  if (family == font_.family) return;
  font_.family = family;
  applyFont();
}

void BevelButton::setTextSize(int size) {
  if (size == font_.size) return;
  font_.size = size;
  applyFont();
}

void BevelButton::setCaptionRise(int pixels) { static_cast<BevelWidget*>(widget())->setCaptionRise(pixels); }

void BevelButton::applyFont() { setControlFont(widget(), font_); }

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

// ---- PushButton ----

PushButton::PushButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* button = new QPushButton(parentWidget());
  button->setAutoDefault(false);
  setWidget(button);
  QObject::connect(button, &QPushButton::clicked, button, [this] { push(); });
  setControlFont(widget(), font_);
}

void PushButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(widget())->setText(caption);
  nameFromPicture(widget(), caption_, pictureCaption_);
}

void PushButton::setPictureCaption(const QString& caption) {
  pictureCaption_ = caption;
  nameFromPicture(widget(), caption_, pictureCaption_);
}

void PushButton::setDefault(bool on) {
  default_ = on;
  static_cast<QPushButton*>(widget())->setDefault(on);
}

void PushButton::setTextSize(int size) {
  font_.size = size;
  setControlFont(widget(), font_);
}

void PushButton::push() {
  if (onAction_) onAction_();
}

// ---- CheckBox ----

CheckBox::CheckBox(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* box = new WholeFrameButton<QCheckBox>(parentWidget());
  setWidget(box);
  QObject::connect(box, &QCheckBox::clicked, box, [this] { clicked(); });
  setControlFont(widget(), font_);
}

void CheckBox::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QCheckBox*>(widget())->setText(caption);
  nameFromPicture(widget(), caption_, pictureCaption_);
}

void CheckBox::setPictureCaption(const QString& caption) {
  pictureCaption_ = caption;
  nameFromPicture(widget(), caption_, pictureCaption_);
}

void CheckBox::setValue(bool value) {
  value_ = value;
  const QSignalBlocker blocker(widget());
  static_cast<QCheckBox*>(widget())->setChecked(value);
}

void CheckBox::setTextSize(int size) {
  font_.size = size;
  setControlFont(widget(), font_);
}

void CheckBox::clicked() {
  value_ = static_cast<QCheckBox*>(widget())->isChecked();
  if (onAction_) onAction_();
}

// ---- RadioButton ----

RadioButton::RadioButton(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* radio = new WholeFrameButton<QRadioButton>(parentWidget());
  // Exclusive in Qt's eyes too, so that it reads as a radio button; the layer still decides
  // which button of a group is on.
  radio->setAutoExclusive(true);
  setWidget(radio);
  QObject::connect(radio, &QRadioButton::clicked, radio, [this] { clicked(); });
  setControlFont(widget(), font_);
}

void RadioButton::setCaption(const QString& caption) {
  caption_ = caption;
  static_cast<QRadioButton*>(widget())->setText(caption);
}

void RadioButton::applyValue() {
  auto* radio = static_cast<QRadioButton*>(widget());
  const QSignalBlocker blocker(radio);
  // Qt would neither clear the button that is on nor leave its group without one.
  radio->setAutoExclusive(false);
  radio->setChecked(value_);
  radio->setAutoExclusive(true);
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

}  // namespace platform
