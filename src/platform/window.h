#pragma once
// Windows of the framework. Each window class has one implicit instance, built by
// Application::instance<W>() on first use; closing a window raises its Close event and ends the
// instance, so the next use builds a new one whose Open event runs again.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/color.h"

class QWidget;

namespace platform {

class Application;
class Control;
class MenuBar;
class PushButton;
class WindowWidget;

enum class Frame {
  Document = 0,
  MovableModal = 1,
  Floating = 3,
};

// Where a window appears: where the desktop puts it; beside the document window the user last
// worked in, covering none of it, each time it is shown; or centred on the main screen.
enum class Placement {
  Default = 0,
  ParentWindow = 1,
  MainScreen = 2,
};

class Window {
 public:
  // className names the window's class, as windows are looked up ("Fpr", "fband" ...).
  explicit Window(QString className);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  QString className() const { return className_; }
  Application& application() const { return *application_; }

  // Design properties, set by a window's layout before its controls are made.
  void setFrame(Frame frame);
  Frame frame() const { return frame_; }
  void setPlacement(Placement placement) { placement_ = placement; }
  Placement placement() const { return placement_; }
  void setResizable(bool resizable);
  bool resizable() const { return resizable_; }
  void setCloseButton(bool on);
  void setMinimizeButton(bool on);
  void setBackColor(std::optional<Color> color);
  // Whether the window is shown once it is built and opened.
  void setVisibleAtCreation(bool visible) { visibleAtCreation_ = visible; }
  void setMenuBar(MenuBar* bar);
  MenuBar* menuBar() const { return menuBar_; }

  QString title() const;
  void setTitle(const QString& title);
  // What a screen reader calls a window that has no title.
  void setAccessibleName(const QString& name);
  // Position and size of the content area, in pixels.
  int left() const;
  int top() const;
  void setLeft(int left);
  void setTop(int top);
  int width() const { return width_; }
  int height() const { return height_; }
  void setHeight(int height);
  void setSize(int width, int height);
  int minWidth() const { return minWidth_; }
  int minHeight() const { return minHeight_; }
  int maxWidth() const { return maxWidth_; }
  int maxHeight() const { return maxHeight_; }
  // The bounds apply only to a resizable window; a fixed window takes the size set by code.
  void setMinSize(int width, int height);
  void setMaxSize(int width, int height);
  void setMaxHeight(int height);

  bool visible() const;
  void setVisible(bool visible);
  void show();
  // Shows the window modally; returns once it has closed and its Close event has run.
  void showModal();
  // Raises the Close event (once) and ends the instance.
  void close();
  bool isClosed() const { return closed_; }
  bool inModalLoop() const { return modalDepth_ > 0; }

  // A control by name (and index, for a control array).
  Control* findControl(const QString& name, int index = 0) const;
  template <class T>
  T* control(const QString& name, int index = 0) const {
    return dynamic_cast<T*>(findControl(name, index));
  }
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  // Binds a handler of this window to a menu item name; it runs before the application's own
  // while the window is the active one.
  void addMenuHandler(const QString& itemName, std::function<bool()> handler);
  // Runs this window's handler for the item name, if it has one; returns whether it handled it.
  bool handleMenuItem(const QString& itemName);
  bool hasMenuHandler(const QString& itemName) const;

  // The button that Return presses.
  PushButton* defaultButton() const;
  // The shown cancel button, which Escape presses (nothing while it is disabled).
  PushButton* cancelButton() const;

  QWidget* widget() const;
  QWidget* content() const;

  // Makes a control of class T in this window, inside parent when one is given.
  template <class T>
  T* make(const QString& name, Control* parent = nullptr, int index = 0) {
    auto made = std::make_unique<T>(*this, name, parent, index);
    T* control = made.get();
    addControl(std::move(made));
    return control;
  }
  void addControl(std::unique_ptr<Control> control);
  // Called by the Application once the instance is registered: the Open event, then showing.
  void open();
  // Layer hooks.
  void handleCloseRequest();
  void handleActivate();
  void handleResize();
  void handleReturnKey();
  void handleEscapeKey();

 protected:
  virtual void eventOpen() {}
  virtual void eventClose() {}
  virtual void eventActivate() {}

 private:
  void applyFlags();
  void orderTabChain();
  void placeOnFirstShow();
  void placeBesideParent();
  void applySize();
  void moveLockedControls(int dw, int dh);

  QString className_;
  Application* application_;
  std::unique_ptr<WindowWidget> widget_;
  QWidget* content_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  MenuBar* menuBar_ = nullptr;
  Frame frame_ = Frame::Document;
  Placement placement_ = Placement::Default;
  bool placed_ = false;
  bool resizable_ = false;
  bool closeButton_ = true;
  bool minimizeButton_ = true;
  bool visibleAtCreation_ = true;
  int width_ = 300;
  int height_ = 300;
  // Until setSize is first called the controls have no places to move from.
  bool sized_ = false;
  int minWidth_ = 64;
  int minHeight_ = 64;
  int maxWidth_ = 32000;
  int maxHeight_ = 32000;
  bool closing_ = false;
  bool closed_ = false;
  bool opened_ = false;
  int modalDepth_ = 0;
  std::vector<std::pair<QString, std::function<bool()>>> menuHandlers_;
};

}  // namespace platform
