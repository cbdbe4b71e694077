#pragma once
// The Qt widgets that realize the framework's windows and controls (layer-private).

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>

#include "platform/controls.h"

namespace platform {

class Window;

class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(Window& window);

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

class TextWidget : public QPlainTextEdit {
 public:
  explicit TextWidget(EditField& field, QWidget* parent);
  bool composing() const { return composing_; }
  void setSingleLine(bool on) { singleLine_ = on; }

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  EditField& field_;
  bool composing_ = false;
  bool singleLine_ = false;
};

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(Canvas& canvas, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Canvas& canvas_;
};

QFont resolveFont(const FontSpec& spec);
// "\f" (the models' line separator) and "\r" shown as line breaks, one character for one.
QString displayText(const QString& text);

}  // namespace platform
