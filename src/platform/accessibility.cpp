#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/widgets_p.h"
#include "platform/window.h"

namespace platform {

namespace {

// A static text reads as a label whose name is the text it shows, and offers that text to a
// screen reader's reading commands. It has neither caret nor selection. One that takes clicks
// reads as a link, and pressing it clicks it.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LabelAccessible(LabelWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return label()->pressAction() ? QAccessible::Link : QAccessible::StaticText;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (label()->pressAction()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& actionName) override {
    if (actionName == pressAction() && label()->pressAction()) {
      label()->pressAction()();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      const QString given = widget()->accessibleName();
      return given.isEmpty() ? label()->text() : given;
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.linked = static_cast<bool>(label()->pressAction());
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTextInterface, in the offsets of the shown text.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    (void)selectionIndex;
    *startOffset = 0;
    *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int startOffset, int endOffset) override {
    (void)startOffset;
    (void)endOffset;
  }
  void removeSelection(int selectionIndex) override { (void)selectionIndex; }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    (void)selectionIndex;
    (void)startOffset;
    (void)endOffset;
  }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int position) override { (void)position; }
  QString text(int startOffset, int endOffset) const override {
    const QString& shown = label()->text();
    if (startOffset < 0 || endOffset < startOffset || startOffset > shown.size()) return {};
    return shown.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(label()->text().size()); }
  // The label's own bounds: its glyphs are laid out privately, and a reader asks for them only
  // to show where it reads.
  QRect characterRect(int offset) const override {
    (void)offset;
    return rect();
  }
  int offsetAtPoint(const QPoint& point) const override {
    (void)point;
    return -1;
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    (void)startIndex;
    (void)endIndex;
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  const LabelWidget* label() const { return static_cast<const LabelWidget*>(widget()); }
};

// A canvas that only shows its picture reads as one; the display, which takes the keyboard,
// reads as the pane that holds its texts. Asked anew, since the picture comes after the canvas.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(CanvasWidget* canvas) : QAccessibleWidget(canvas) {}

  QAccessible::Role role() const override {
    const Canvas& canvas = static_cast<const CanvasWidget*>(widget())->canvas();
    if (canvas.acceptFocus()) return QAccessible::Pane;
    return canvas.backdrop().isNull() ? QAccessible::Client : QAccessible::Graphic;
  }
};

// A window reads as a window, a movable modal one as a dialog, under its title.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(WindowWidget* window) : QAccessibleWidget(window) {}

  QAccessible::Role role() const override {
    const Window& window = static_cast<const WindowWidget*>(widget())->window();
    return window.frame() == Frame::MovableModal ? QAccessible::Dialog : QAccessible::Window;
  }
};

QAccessibleInterface* layerWidgetFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(LabelWidget::staticMetaObject.className())) {
    if (auto* label = qobject_cast<LabelWidget*>(object)) return new LabelAccessible(label);
  }
  if (className == QLatin1String(CanvasWidget::staticMetaObject.className())) {
    if (auto* canvas = qobject_cast<CanvasWidget*>(object)) return new CanvasAccessible(canvas);
  }
  if (className == QLatin1String(RuleWidget::staticMetaObject.className())) {
    if (auto* rule = qobject_cast<RuleWidget*>(object)) return new QAccessibleWidget(rule, QAccessible::Separator);
  }
  if (className == QLatin1String(WindowWidget::staticMetaObject.className())) {
    if (auto* window = qobject_cast<WindowWidget*>(object)) return new WindowAccessible(window);
  }
  return nullptr;
}

}  // namespace

void installAccessibleFactory() {
  // Qt keeps a factory once, however often it is installed.
  QAccessible::installFactory(&layerWidgetFactory);
}

}  // namespace platform
