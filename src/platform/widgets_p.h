#pragma once
// The Qt widgets that realize the framework's windows and controls (layer-private).

#include <QFrame>
#include <QGlyphRun>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/controls.h"

namespace platform {

class Window;

// Its own class name lets the accessibility factory find it.
class WindowWidget : public QWidget {
  Q_OBJECT

 public:
  explicit WindowWidget(Window& window);
  const Window& window() const { return window_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Window& window_;
};

// Routes a control's mouse and focus events to the layer.
class ControlEventFilter : public QObject {
 public:
  explicit ControlEventFilter(Control& control) : QObject(nullptr), control_(control) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Control& control_;
};

// A bevel button whose caption may stand above its middle.
class BevelWidget : public QPushButton {
 public:
  explicit BevelWidget(QWidget* parent);
  void setCaptionRise(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int rise_ = 0;
};

// An edit field's lines. Chinese characters were drawn in Hei on the design's platform, whose
// lines were the size and a twentieth, where this platform's Chinese face takes a third more:
// a block whose lines show the Chinese face has them at that pitch, from the field's top, so
// that a field sized for two lines shows two whole lines. Only in a field without a scroll bar:
// Qt scrolls by the lines' own heights.
class FieldLayout : public QPlainTextDocumentLayout {
 public:
  explicit FieldLayout(QTextDocument* document);
  QRectF blockBoundingRect(const QTextBlock& block) const override;
  // The pitch of the lines that show the Chinese face, in the field's font.
  qreal chineseLineHeight() const;
  // The block's lines stand at that pitch.
  bool pitched(const QTextBlock& block) const;
  void setPitching(bool on);

 private:
  qreal marginAbove(const QTextBlock& block) const;
  // Moves the block's lines to the pitch when they show the Chinese face; true when they moved.
  bool pitchLines(const QTextBlock& block) const;
  bool pitching_ = true;
};

class TextWidget : public QPlainTextEdit {
 public:
  explicit TextWidget(EditField& field, QWidget* parent);
  bool composing() const { return composing_; }
  void setSingleLine(bool on) { singleLine_ = on; }

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class EditField;
  bool showsFocusRing() const { return field_.useFocusRing() && hasFocus(); }
  // Qt brings the caret's line into view by the face's own line height; where the lines stand
  // at the Chinese pitch, fewer lines need to go up for it, and the field keeps the others.
  void keepLinesAbove(int topBefore);
  // Around an edit by the user: the top line before it, and what the edit leaves in view.
  int beginEdit(const QEvent* event);
  void endEdit(int topBefore);

  EditField& field_;
  int heldTop_ = -1;
  bool composing_ = false;
  bool singleLine_ = false;
};

// A static text, laid out line by line at the line height its face had on the design's
// platform, wrapped within its width when it is multiline, and clipped to its bounds.
// Its own class name lets the accessibility factory find it.
class LabelWidget : public QWidget {
  Q_OBJECT

 public:
  explicit LabelWidget(QWidget* parent);
  // The text as shown; a change raises NameChanged, as a standard label does.
  const QString& text() const { return text_; }
  void setText(const QString& text);
  // What a screen reader's press does on a label that takes clicks (a link); none otherwise.
  void setPressAction(std::function<void()> press) { press_ = std::move(press); }
  const std::function<void()>& pressAction() const { return press_; }
  void setAlignment(Qt::Alignment horizontal);
  void setWordWrap(bool on);
  // Lines as tall as the design's platform made Hei's rather than the face's own spacing.
  void setHeiLines(bool on);
  // Where the glyphs of the laid-out text are drawn, in the widget's coordinates; it may reach
  // beyond the widget, which clips it.
  QRectF inkRect() const;
  // Each glyph's extent where it is drawn, in the order of the text.
  QList<QRectF> glyphInks() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void invalidate();
  void layOut() const;

  QString text_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool wordWrap_ = false;
  bool heiLines_ = false;
  mutable std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
  mutable bool laidOut_ = false;
  std::function<void()> press_;
};

// Its own class name lets the accessibility factory find it.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(Canvas& canvas, QWidget* parent);
  const Canvas& canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Tab and Shift+Tab stay in a canvas that accepts tabs.
  bool focusNextPrevChild(bool next) override;

 private:
  Canvas& canvas_;
};

// A line or a separator: a rule drawn between controls. Its own class name lets the
// accessibility factory read it as a separator rather than as a frame.
class RuleWidget : public QFrame {
  Q_OBJECT

 public:
  using QFrame::QFrame;
};

QFont resolveFont(const FontSpec& spec);
// Gives the widget the font that the FontSpec names, unless it has it already.
void setControlFont(QWidget* widget, const FontSpec& spec);
bool isHei(const FontSpec& spec);
// The line height of a static text in the font: the face's own line spacing, but for Hei no
// more than the design's platform gave it, whose lines were about as tall as its size.
qreal lineHeightFor(const QFont& font, bool hei);
// The pixels that ink covers whole: the antialiased fringe of less than a pixel beyond them
// is not part of a glyph that an edge would cut off.
QRect wholeInkPixels(const QRectF& ink);
// The ink of laid-out glyphs: the union of each glyph's own extent where it is drawn.
QRectF glyphsInk(const QList<QGlyphRun>& runs);
// Registers the accessible interfaces of the layer's own widgets with Qt (once per process).
void installAccessibleFactory();
// "\f" (the models' line separator) and "\r" shown as line breaks, one character for one.
QString displayText(const QString& text);

}  // namespace platform
