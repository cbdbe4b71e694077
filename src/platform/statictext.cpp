#include <QAccessible>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/widgets_p.h"

namespace platform {

// ---- LabelWidget ----

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {}

void LabelWidget::invalidate() {
  laidOut_ = false;
  update();
}

void LabelWidget::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  invalidate();
  // A screen reader speaks the new text; a name given in code stays what it reads.
  if (accessibleName().isEmpty()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    if (Application* app = Application::current()) {
      app->services().accessibilityUpdate(event);
    } else {
      QAccessible::updateAccessibility(&event);
    }
  }
}

void LabelWidget::setAlignment(Qt::Alignment horizontal) {
  alignment_ = horizontal;
  invalidate();
}

void LabelWidget::setWordWrap(bool on) {
  wordWrap_ = on;
  invalidate();
}

void LabelWidget::setHeiLines(bool on) {
  if (on == heiLines_) return;
  heiLines_ = on;
  invalidate();
}

void LabelWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) invalidate();
  QWidget::changeEvent(event);
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
  invalidate();
  QWidget::resizeEvent(event);
}

namespace {

// The face's superscript digits are a third of its size, too small to read in a small text:
// they are drawn as the face's own digits, raised, at four fifths of the size.
QString withRaisedDigits(const QString& text, const QFont& font, QList<QTextLayout::FormatRange>* raised) {
  static const QString superscripts = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");
  QString shown = text;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const qsizetype digit = superscripts.indexOf(shown[i]);
    if (digit < 0) continue;
    shown[i] = QChar(char16_t(u'0' + digit));
    QTextCharFormat format;
    // Qt draws a superscript at seven tenths of the format's size.
    QFont larger = font;
    larger.setPixelSize(std::max(1, int(std::lround(QFontInfo(font).pixelSize() * 8.0 / 7))));
    format.setFont(larger);
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    // Raised by a third of the size: the digit's foot stands in the middle of the others.
    format.setSuperScriptBaseline(100.0 / 3);
    raised->append({int(i), 1, format});
  }
  return shown;
}

}  // namespace

void LabelWidget::layOut() const {
  if (laidOut_) return;
  laidOut_ = true;
  paragraphs_.clear();
  const QFontMetricsF metrics(font());
  const qreal natural = metrics.ascent() + metrics.descent();
  const qreal step = lineHeightFor(font(), heiLines_);
  // A line shorter than the face's own gives up the room in the share of the face's descent:
  // the glyphs, which stand mostly above the baseline, stay whole within it.
  const qreal baseline = metrics.ascent() - std::max<qreal>(natural - step, 0) * metrics.descent() / natural;
  QTextOption option;
  option.setWrapMode(wordWrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  qreal top = 0;
  for (const QString& written : text_.split(QLatin1Char('\n'))) {
    QList<QTextLayout::FormatRange> raised;
    const QString paragraph = withRaisedDigits(written, font(), &raised);
    auto layout = std::make_unique<QTextLayout>(paragraph, font());
    layout->setFormats(raised);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(wordWrap_ ? width() : std::numeric_limits<int>::max() / 256);
      const qreal free = width() - line.naturalTextWidth();
      qreal left = 0;
      if (alignment_ & Qt::AlignHCenter) left = free / 2;
      if (alignment_ & Qt::AlignRight) left = free;
      line.setPosition(QPointF(left, top + baseline - line.ascent()));
      // A glyph that reaches beyond its advance (a stroke left of the first character) moves
      // the line in, where the width leaves room for it.
      const QRectF ink = glyphsInk(line.glyphRuns());
      qreal shift = 0;
      if (ink.right() > width()) shift = width() - ink.right();
      if (ink.left() + shift < 0) shift = -ink.left();
      if (shift != 0) line.setPosition(line.position() + QPointF(shift, 0));
      top += step;
    }
    layout->endLayout();
    paragraphs_.push_back(std::move(layout));
  }
  // A text that does not wrap stands in the middle of its box's height, as a label does: its
  // box is sized for the design platform's text, which stood lower in its line than this face's.
  if (!wordWrap_ && top < height()) {
    const qreal down = std::floor((height() - top) / 2);
    for (const auto& layout : paragraphs_) {
      for (int i = 0; i < layout->lineCount(); ++i) {
        QTextLine line = layout->lineAt(i);
        line.setPosition(line.position() + QPointF(0, down));
      }
    }
  }
}

QRectF LabelWidget::inkRect() const {
  layOut();
  QRectF ink;
  for (const auto& layout : paragraphs_) ink |= glyphsInk(layout->glyphRuns());
  return ink;
}

QList<QRectF> LabelWidget::glyphInks() const {
  layOut();
  QList<QRectF> inks;
  for (const auto& layout : paragraphs_) {
    for (const QGlyphRun& run : layout->glyphRuns()) {
      const QList<quint32> glyphs = run.glyphIndexes();
      const QList<QPointF> positions = run.positions();
      for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        inks << run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
      }
    }
  }
  return inks;
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  (void)event;
  layOut();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  for (const auto& layout : paragraphs_) layout->draw(&painter, QPointF(0, 0));
}

// ---- StaticText ----

StaticText::StaticText(Window& window, QString name, Control* parent, int index)
    : Control(window, std::move(name), parent, index) {
  auto* label = new LabelWidget(parentWidget());
  label->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  setWidget(label);
  setAcceptFocus(false);
  applyFont();
  applyAlignment();
  setTextColor(textColor_);
}

LabelWidget* StaticText::label() const { return static_cast<LabelWidget*>(widget()); }

void StaticText::mouseHandlersChanged() {
  // A label lets clicks through to what lies under it, unless it handles the mouse itself.
  if (!widget()) return;
  widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !hasMouseHandlers());
  // One that takes a click reads as a link, which a screen reader presses as the click.
  label()->setPressAction(hasMouseDown() ? std::function<void()>([this] { mousePressed(0, 0); })
                                         : std::function<void()>());
}

void StaticText::setText(const QString& text) {
  text_ = text;
  label()->setText(displayText(text));
}

QRect StaticText::textInk() const { return wholeInkPixels(label()->inkRect()); }

QList<QRectF> StaticText::glyphInks() const { return label()->glyphInks(); }

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
  label()->setWordWrap(on);
}

void StaticText::applyFont() {
  setControlFont(widget(), font_);
  label()->setHeiLines(isHei(font_));
}

void StaticText::applyAlignment() {
  Qt::Alignment h = Qt::AlignLeft;
  if (align_ == TextAlign::Center) h = Qt::AlignHCenter;
  if (align_ == TextAlign::Right) h = Qt::AlignRight;
  label()->setAlignment(h);
}

}  // namespace platform
