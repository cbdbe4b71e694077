#pragma once
// The application object of the framework: the event loop, quitting, the implicit window
// instances, the menu bar with its handlers bound by item name, the services seam and the
// localized-text lookup. One exists at a time; a test builds a fresh one for each case.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

namespace platform {

class Window;
class Control;
class MenuBar;
class MenuItem;
class Services;
class Translations;

// Menu handlers bound to item names.
using MenuHandlers = std::vector<std::pair<QString, std::function<bool()>>>;
// The handler bound to the item name, matched without regard to case, or nullptr.
const std::function<bool()>* findMenuHandler(const MenuHandlers& handlers, const QString& itemName);

class Application {
 public:
  explicit Application(std::unique_ptr<Services> services);
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* current();

  Services& services() { return *services_; }

  // Start-up: startup(), then the Open event once the event loop runs, then the loop until
  // quit(). Returns the exit code.
  int run();
  // Runs startup() and eventOpen() at once, for a caller that drives the loop itself.
  void start();
  // Ends the event loop; the other windows get no Close event.
  void quit(int code = 0);
  bool quitRequested() const { return quitRequested_; }
  // The application is being destroyed: its windows go without events.
  bool tearingDown() const { return tearingDown_; }
  int exitCode() const { return exitCode_; }

  // The menu bar that the application owns and the main window shows.
  MenuBar* menuBar() const { return menuBar_.get(); }
  void setMenuBar(std::unique_ptr<MenuBar> bar);
  // Binds a handler to a menu item name, matched without regard to case.
  void addMenuHandler(const QString& itemName, std::function<bool()> handler);
  bool hasMenuHandler(const QString& itemName) const;
  // Whether choosing the item runs a handler: the application's or the active window's own.
  bool hasHandlerFor(const QString& itemName) const;
  // What choosing an item does: its bound handler, or cut, copy and paste for EditCut,
  // EditCopy and EditPaste in the focused text field.
  void chooseMenuItem(MenuItem& item);

  // The live window of class W, built (and opened) when there is none.
  template <class W>
  W& instance() {
    if (auto it = windows_.find(typeid(W)); it != windows_.end()) return static_cast<W&>(*it->second);
    auto window = std::make_unique<W>();
    W& ref = *window;
    adoptWindow(typeid(W), std::move(window));
    return ref;
  }
  // The live window of class W, or nullptr.
  template <class W>
  W* liveInstance() const {
    auto it = windows_.find(typeid(W));
    return it == windows_.end() ? nullptr : static_cast<W*>(it->second);
  }
  // The live window whose class name (as given to Window) is className, or nullptr.
  Window* liveWindow(const QString& className) const;
  std::vector<Window*> liveWindows() const;
  // The live window that is active, or nullptr.
  Window* activeWindow() const;

  // The text for a key in the UI language, or the default.
  QString localizedString(const QString& key, const QString& defaultText) const;
  // What a screen reader says for a key of the accessible texts, in the UI language, or the default.
  QString accessibleText(const QString& key, const QString& defaultText) const;
  // One of the layer's own messages in the UI language, or its English default.
  QString platformText(const QString& key, const QString& defaultText) const;
  // Loads the translation tables of the first preferred UI language that has one.
  void loadTranslations(const QString& translationsFolder);
  // The language whose table is loaded ("" when none is).
  QString loadedLanguage() const;

  // The control that holds the keyboard focus, as the layer tracks it (one at a time).
  Control* focusedControl() const { return focused_; }
  // Moves the focus, raising LostFocus on the control that had it, then GotFocus on the new one.
  void moveFocus(Control* to);
  void forgetControl(Control* control);

  // The document window that was last active and is still open, or nullptr.
  Window* lastActiveDocument() const { return lastActiveDocument_; }

  // Called by Window.
  void windowClosed(Window& window);
  void documentActivated(Window& window) { lastActiveDocument_ = &window; }
  // Hands the closed windows whose modal loop has returned to deferred deletion.
  void deleteClosedWindows();

 protected:
  virtual void startup() {}
  virtual void eventOpen() {}

 private:
  void adoptWindow(std::type_index type, std::unique_ptr<Window> window);

  std::unique_ptr<Services> services_;
  std::unique_ptr<MenuBar> menuBar_;
  std::map<std::type_index, Window*> windows_;
  std::vector<std::unique_ptr<Window>> owned_;
  std::vector<std::unique_ptr<Window>> closed_;
  MenuHandlers menuHandlers_;
  std::unique_ptr<Translations> translations_;
  friend class ClosedWindow;
  bool quitRequested_ = false;
  bool running_ = false;
  bool tearingDown_ = false;
  int exitCode_ = 0;
  Control* focused_ = nullptr;
  Window* lastActiveDocument_ = nullptr;
  std::unique_ptr<QObject> context_;
};

// MsgBox: a modal message box with the text, through the services seam.
void MsgBox(const QString& text);
// ShowURL: hands the URL to the system; a URL that nothing on the desktop opens is reported.
void ShowURL(const QString& url);
// Opens the desktop's language settings; a desktop without a tool for them is reported.
void OpenLanguageSettings();
// The message box that reports what the desktop could not open (a document's name, a URL).
void ReportCannotOpen(const QString& what);
// The localized-text lookup: the text of the key in the UI language, or the default.
QString GetLocalizedString(const QString& key, const QString& defaultText);
// The accessible text of the key ("acces.<name>") in the UI language, or the default.
QString GetAccessibleText(const QString& key, const QString& defaultText);
// Takes the keyboard focus from whatever control holds it, in every window.
void ClearFocus();

}  // namespace platform
