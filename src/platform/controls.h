#pragma once
// The controls of the framework's windows. Coordinates are pixels from the window's top-left
// corner, also for a control that lies inside another. A control made later lies above the
// earlier ones. Setting a value in code raises the events that the framework raises for it:
// TextChange for an edit field's Text and SelText, Action for a disclosure triangle's Value;
// a check box's or radio button's Value set in code raises nothing (a user's click does).

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/color.h"
#include "platform/picture.h"

class QTimer;

namespace platform {

class Window;

// Text alignment of static texts: 0 left, 1 centred, 2 right.
enum class TextAlign { Left = 0, Center = 1, Right = 2 };

class Control {
 public:
  Control(Window& window, QString name, Control* parent, int index);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  QString name() const { return name_; }
  int index() const { return index_; }
  Window& window() const { return window_; }
  Control* parentControl() const { return parent_; }

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setBounds(int left, int top, int width, int height);
  void setLeft(int left) { setBounds(left, top_, width_, height_); }
  void setTop(int top) { setBounds(left_, top, width_, height_); }

  bool visible() const { return visible_; }
  virtual void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  QString helpTag() const { return helpTag_; }
  void setHelpTag(const QString& tag);
  void setLocks(bool left, bool top, bool right, bool bottom);
  bool lockLeft() const { return lockLeft_; }
  bool lockTop() const { return lockTop_; }
  bool lockRight() const { return lockRight_; }
  bool lockBottom() const { return lockBottom_; }
  void setAccessibleName(const QString& name);
  void setAccessibleDescription(const QString& description);

  bool acceptFocus() const { return acceptFocus_; }
  void setAcceptFocus(bool accept);
  // Gives this control the keyboard focus; GotFocus runs at once, also in an inactive window.
  void setFocus();
  bool hasFocus() const;

  void connectMouseDown(std::function<bool(int, int)> handler);
  void connectGotFocus(std::function<void()> handler) { onGotFocus_ = std::move(handler); }
  void connectLostFocus(std::function<void()> handler) { onLostFocus_ = std::move(handler); }
  // The control got the keyboard focus from Tab or Shift+Tab; runs after GotFocus.
  void connectTabFocus(std::function<void()> handler) { onTabFocus_ = std::move(handler); }
  void connectMouseEnter(std::function<void()> handler);
  void connectMouseExit(std::function<void()> handler);

  QWidget* widget() const { return widget_; }

  // Layer hooks.
  void focusGained();
  void focusLost();
  void tabFocused();
  bool mousePressed(int x, int y);
  void mouseEntered();
  void mouseExited();
  // The window's content grew by (dw, dh): the locks move or stretch the control (its widget
  // follows at the next repositionInParent).
  void windowResized(int dw, int dh);
  virtual void repositionInParent();

 protected:
  // Takes the Qt widget that realizes the control; it is placed inside the parent's widget.
  void setWidget(QWidget* widget);
  QWidget* parentWidget() const;
  void shiftChildren(int dx, int dy);
  virtual void mouseHandlersChanged() {}
  bool hasMouseHandlers() const { return onMouseDown_ || onMouseEnter_ || onMouseExit_; }
  bool hasMouseDown() const { return static_cast<bool>(onMouseDown_); }

 private:
  Window& window_;
  QString name_;
  Control* parent_;
  int index_;
  QPointer<QWidget> widget_;
  std::unique_ptr<QObject> eventFilter_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool acceptFocus_ = true;
  bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
  QString helpTag_;
  std::function<bool(int, int)> onMouseDown_;
  std::function<void()> onGotFocus_, onLostFocus_, onTabFocus_, onMouseEnter_, onMouseExit_;
};

// Font settings shared by the text controls. "Hei" (any case) is a face that shows the Chinese
// characters, "System" the platform's UI font; size 0 is the platform's default size.
struct FontSpec {
  QString family = QStringLiteral("System");
  int size = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

class LabelWidget;

class StaticText : public Control {
 public:
  StaticText(Window& window, QString name, Control* parent = nullptr, int index = 0);
  QString text() const { return text_; }
  void setText(const QString& text);
  Color textColor() const { return textColor_; }
  void setTextColor(Color color);
  QString textFont() const { return font_.family; }
  void setTextFont(const QString& family);
  int textSize() const { return font_.size; }
  void setTextSize(int size);
  bool bold() const { return font_.bold; }
  void setBold(bool on);
  bool italic() const { return font_.italic; }
  void setItalic(bool on);
  bool underline() const { return font_.underline; }
  void setUnderline(bool on);
  TextAlign textAlign() const { return align_; }
  void setTextAlign(TextAlign align);
  bool multiline() const { return multiline_; }
  void setMultiline(bool on);
  // Where the glyphs of the text are drawn, in the control's own coordinates, as laid out;
  // the whole text shows when this lies inside its bounds.
  // Each glyph's extent as drawn, in the label's coordinates and the order of the text.
  QList<QRectF> glyphInks() const;
  QRect textInk() const;

 protected:
  void mouseHandlersChanged() override;

 private:
  LabelWidget* label() const;
  void applyFont();
  void applyAlignment();
  QString text_;
  Color textColor_ = 0x000000;
  FontSpec font_;
  TextAlign align_ = TextAlign::Left;
  bool multiline_ = false;
};

class TextWidget;

class EditField : public Control {
 public:
  EditField(Window& window, QString name, Control* parent = nullptr, int index = 0);
  ~EditField() override;

  QString text() const { return text_; }
  // Raises TextChange when the text changes, synchronously, also from inside a TextChange
  // handler of the same field. Deferred while an input method is composing in the field.
  void setText(const QString& text);
  // Selection, in characters.
  int selStart() const;
  void setSelStart(int start);
  int selLength() const;
  void setSelLength(int length);
  QString selText() const;
  // Replaces the selection (or inserts at the caret) and raises TextChange.
  void setSelText(const QString& text);
  // Drops `head` characters at the start of the text and `tail` at its end, in place: the kept
  // text is neither written nor laid out again and keeps its colours. Raises TextChange.
  void removeEnds(int head, int tail);

  bool italic() const { return font_.italic; }
  void setItalic(bool on);
  bool bold() const { return font_.bold; }
  void setBold(bool on);
  QString textFont() const { return font_.family; }
  void setTextFont(const QString& family);
  int textSize() const { return font_.size; }
  void setTextSize(int size);
  Color textColor() const { return textColor_; }
  void setTextColor(Color color);
  Color backColor() const { return backColor_; }
  void setBackColor(Color color);
  // Colour of a range of a styled field's text, in characters from 0. A field that is not
  // styled has one colour for all its text: the range's colour goes to the whole text.
  void setRangeColor(int start, int length, Color color);
  Color colorAt(int position) const;

  // The first line shown; a large value shows the end of the text.
  int scrollPosition() const { return scrollPosition_; }
  void setScrollPosition(int line);

  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool on);
  bool multiline() const { return multiline_; }
  void setMultiline(bool on);
  // A styled field keeps a colour for each range of its text.
  void setStyled(bool on) { styled_ = on; }
  void setBorder(bool on);
  void setAcceptTabs(bool on);
  void setScrollbarVertical(bool on);
  // A ring in the highlight colour around the field while it has the keyboard focus.
  bool useFocusRing() const { return useFocusRing_; }
  void setUseFocusRing(bool on);

  // The Edit menu's commands.
  void cut();
  void copy();
  void paste();

  // An input method is composing text in the field.
  bool composing() const;

  void connectTextChange(std::function<void()> handler) { onTextChange_ = std::move(handler); }

  // What the field has handed its widget so far, in UTF-16 units: text written (by the
  // program, a paste or a drop) and text given a colour. Each unit is laid out again, so a
  // count that grows faster than the texts shows a field rewritten over and over.
  struct Work {
    qsizetype unitsWritten = 0;
    qsizetype unitsFormatted = 0;
  };
  const Work& work() const { return work_; }

  // Layer hooks.
  void userEdited();
  void compositionEnded();
  void insertPasted(const QString& text);

 private:
  void showText();
  void applyFont();
  void applyColors();
  void raiseTextChange();
  TextWidget* textWidget() const;

  QString text_;
  // What the widget showed after the last change, to tell the user's edits from ours.
  QString shownRaw_;
  FontSpec font_;
  Color textColor_ = 0x000000;
  Color backColor_ = 0xFFFFFF;
  int scrollPosition_ = 0;
  bool readOnly_ = false;
  bool multiline_ = false;
  bool styled_ = false;
  bool useFocusRing_ = true;
  bool updating_ = false;
  int textChangeDepth_ = 0;
  // Edits made while an input method composes, replayed once it has committed.
  std::vector<std::function<void()>> pendingEdits_;
  std::function<void()> onTextChange_;
  Work work_;
};

class BevelButton : public Control {
 public:
  BevelButton(Window& window, QString name, Control* parent = nullptr, int index = 0);
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setTextFont(const QString& family);
  QString textFont() const { return font_.family; }
  void setTextSize(int size);
  int textSize() const { return font_.size; }
  // The caption stands this many pixels above the button's middle, leaving room below it.
  void setCaptionRise(int pixels);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }
  // What a click does.
  void push();

 private:
  void applyFont();
  QString caption_;
  FontSpec font_;
  std::function<void()> onAction_;
};

class DisclosureTriangle : public Control {
 public:
  DisclosureTriangle(Window& window, QString name, Control* parent = nullptr, int index = 0);
  bool value() const { return value_; }
  // A new value raises Action, whether set by a click or by code.
  void setValue(bool value);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }

 private:
  void applyArrow();
  bool value_ = false;
  std::function<void()> onAction_;
};

class Canvas : public Control {
 public:
  Canvas(Window& window, QString name, Control* parent = nullptr, int index = 0);
  Picture backdrop() const { return backdrop_; }
  void setBackdrop(const Picture& picture);
  bool useFocusRing() const { return useFocusRing_; }
  void setUseFocusRing(bool on);
  // Tab and Shift+Tab pressed in the canvas leave the focus in it.
  bool acceptTabs() const { return acceptTabs_; }
  void setAcceptTabs(bool on) { acceptTabs_ = on; }
  // A canvas that is only drawn over other controls lets the clicks through to them.
  void setMouseTransparent(bool on);

 private:
  friend class CanvasWidget;
  Picture backdrop_;
  bool useFocusRing_ = false;
  bool acceptTabs_ = false;
};

class PushButton : public Control {
 public:
  PushButton(Window& window, QString name, Control* parent = nullptr, int index = 0);
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  bool isDefault() const { return default_; }
  void setDefault(bool on);
  // The button that Escape presses in its window.
  bool isCancel() const { return cancel_; }
  void setCancel(bool on) { cancel_ = on; }
  // The caption that a picture under the button draws for it: what a screen reader reads while
  // the button has no caption of its own.
  void setPictureCaption(const QString& caption);
  void setTextSize(int size);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }
  void push();

 private:
  QString caption_;
  QString pictureCaption_;
  FontSpec font_;
  bool default_ = false;
  bool cancel_ = false;
  std::function<void()> onAction_;
};

class CheckBox : public Control {
 public:
  CheckBox(Window& window, QString name, Control* parent = nullptr, int index = 0);
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  bool value() const { return value_; }
  // Sets the tick without raising Action.
  void setValue(bool value);
  // The caption that a picture under the box draws beside it: what a screen reader reads while
  // the box has no caption of its own.
  void setPictureCaption(const QString& caption);
  void setTextSize(int size);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }
  // Layer hook: a user's click.
  void clicked();

 private:
  QString caption_;
  QString pictureCaption_;
  FontSpec font_;
  bool value_ = false;
  std::function<void()> onAction_;
};

// Radio buttons that lie in one group box (or in the same window outside any) exclude each
// other; a disabled group box disables its buttons.
class RadioButton : public Control {
 public:
  RadioButton(Window& window, QString name, Control* parent = nullptr, int index = 0);
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  bool value() const { return value_; }
  // Sets the value without raising Action; true clears the other buttons of the group.
  void setValue(bool value);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }
  // Layer hook: a user's click.
  void clicked();

 private:
  void applyValue();
  QString caption_;
  FontSpec font_;
  bool value_ = false;
  std::function<void()> onAction_;
};

class GroupBox : public Control {
 public:
  GroupBox(Window& window, QString name, Control* parent = nullptr, int index = 0);
};

class Line : public Control {
 public:
  Line(Window& window, QString name, Control* parent = nullptr, int index = 0);
  void setEndpoints(int x1, int y1, int x2, int y2);
  void setBorderWidth(int width);
  void setLineColor(Color color);

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int borderWidth_ = 1;
};

class Separator : public Control {
 public:
  Separator(Window& window, QString name, Control* parent = nullptr, int index = 0);
};

// A timer control; it has no widget. Mode 0 is off.
class Timer : public Control {
 public:
  Timer(Window& window, QString name, Control* parent = nullptr, int index = 0);
  ~Timer() override;
  int mode() const { return mode_; }
  void setMode(int mode);
  int period() const { return period_; }
  void setPeriod(int period);
  void connectAction(std::function<void()> handler) { onAction_ = std::move(handler); }

 private:
  std::unique_ptr<QTimer> timer_;
  int mode_ = 0;
  int period_ = 1;
  std::function<void()> onAction_;
};

}  // namespace platform
