#include "platform/application.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/translations.h"
#include "platform/widgets_p.h"
#include "platform/window.h"

namespace platform {

namespace {

Application* currentApplication = nullptr;

}  // namespace

const std::function<bool()>* findMenuHandler(const MenuHandlers& handlers, const QString& itemName) {
  for (const auto& [name, handler] : handlers) {
    if (name.compare(itemName, Qt::CaseInsensitive) == 0) return &handler;
  }
  return nullptr;
}

// Holds a closed window until Qt's deferred deletion, which waits until the event loop that ran
// when the window closed gets control back: by then no handler of the window is running. A
// window whose modal loop is still on the stack goes back to the application until it returns.
class ClosedWindow : public QObject {
 public:
  ClosedWindow(Application& app, std::unique_ptr<Window> window, QObject* parent)
      : QObject(parent), app_(app), window_(std::move(window)) {}
  ~ClosedWindow() override {
    if (window_ && window_->inModalLoop() && !app_.tearingDown_) app_.closed_.push_back(std::move(window_));
  }

 private:
  Application& app_;
  std::unique_ptr<Window> window_;
};

Application::Application(std::unique_ptr<Services> services)
    : services_(std::move(services)), context_(std::make_unique<QObject>()) {
  currentApplication = this;
  installAccessibleFactory();
}

Application::~Application() {
  // Ending the run raises no Close event.
  tearingDown_ = true;
  focused_ = nullptr;
  lastActiveDocument_ = nullptr;
  context_.reset();  // the closed windows waiting for deletion, while the menu bar still exists
  windows_.clear();
  closed_.clear();
  owned_.clear();
  menuBar_.reset();
  translations_.reset();
  if (currentApplication == this) currentApplication = nullptr;
}

Application* Application::current() { return currentApplication; }

int Application::run() {
  startup();
  QTimer::singleShot(0, context_.get(), [this] { eventOpen(); });
  if (quitRequested_) return exitCode_;
  running_ = true;
  const int code = QApplication::exec();
  running_ = false;
  return quitRequested_ ? exitCode_ : code;
}

void Application::start() {
  startup();
  eventOpen();
}

void Application::quit(int code) {
  quitRequested_ = true;
  exitCode_ = code;
  // Only a running loop is told: Qt would make every later event loop of the process return at
  // once (a caller that drives the loop itself, as the tests do, reads quitRequested()).
  if (running_) QCoreApplication::exit(code);
}

void Application::setMenuBar(std::unique_ptr<MenuBar> bar) {
  menuBar_ = std::move(bar);
  if (menuBar_) menuBar_->updateEnabled();
}

void Application::addMenuHandler(const QString& itemName, std::function<bool()> handler) {
  menuHandlers_.emplace_back(itemName, std::move(handler));
  // Items with a handler are enabled, also for their keyboard shortcuts before a menu opens.
  if (menuBar_) menuBar_->updateEnabled();
}

bool Application::hasMenuHandler(const QString& itemName) const {
  return findMenuHandler(menuHandlers_, itemName) != nullptr;
}

bool Application::hasHandlerFor(const QString& itemName) const {
  if (hasMenuHandler(itemName)) return true;
  Window* window = activeWindow();
  return window && window->hasMenuHandler(itemName);
}

namespace {

EditField* focusedEditField(Control* focused) {
  if (auto* field = dynamic_cast<EditField*>(focused)) return field;
  return nullptr;
}

}  // namespace

void Application::chooseMenuItem(MenuItem& item) {
  const QString name = item.name();
  if (EditField* field = focusedEditField(focused_)) {
    if (name == QLatin1String("EditCut")) return field->cut();
    if (name == QLatin1String("EditCopy")) return field->copy();
    if (name == QLatin1String("EditPaste")) return field->paste();
  }
  if (Window* window = activeWindow(); window && window->handleMenuItem(name)) return;
  if (const auto* handler = findMenuHandler(menuHandlers_, name)) (*handler)();
}

void Application::adoptWindow(std::type_index type, std::unique_ptr<Window> window) {
  Window* ref = window.get();
  windows_[type] = ref;
  owned_.push_back(std::move(window));
  ref->open();
}

Window* Application::liveWindow(const QString& className) const {
  for (const auto& [type, window] : windows_) {
    if (window->className() == className) return window;
  }
  return nullptr;
}

std::vector<Window*> Application::liveWindows() const {
  std::vector<Window*> out;
  for (const auto& owned : owned_) out.push_back(owned.get());
  return out;
}

Window* Application::activeWindow() const {
  for (const auto& owned : owned_) {
    if (owned->widget()->isActiveWindow()) return owned.get();
  }
  return nullptr;
}

QString Application::localizedString(const QString& key, const QString& defaultText) const {
  if (!translations_) return defaultText;
  const QString text = translations_->lookup(key);
  return text.isEmpty() ? defaultText : text;
}

QString Application::accessibleText(const QString& key, const QString& defaultText) const {
  const QString text = translations_ ? translations_->lookup(key, "acces") : QString();
  return text.isEmpty() ? defaultText : text;
}

QString Application::platformText(const QString& key, const QString& defaultText) const {
  const QString text = translations_ ? translations_->lookup(key, "platform") : QString();
  return text.isEmpty() ? defaultText : text;
}

void Application::loadTranslations(const QString& translationsFolder) {
  translations_ = std::make_unique<Translations>(translationsFolder, services_->uiLanguages());
}

QString Application::loadedLanguage() const { return translations_ ? translations_->language() : QString(); }

void Application::moveFocus(Control* to) {
  if (to == focused_) return;
  Control* from = focused_;
  focused_ = to;
  // The Edit menu's items follow the focused text field.
  if (menuBar_) menuBar_->updateEnabled();
  if (from) from->focusLost();
  if (to && focused_ == to) to->focusGained();
}

void Application::forgetControl(Control* control) {
  if (focused_ == control) focused_ = nullptr;
}

void Application::windowClosed(Window& window) {
  for (auto it = windows_.begin(); it != windows_.end(); ++it) {
    if (it->second == &window) {
      windows_.erase(it);
      break;
    }
  }
  if (focused_ && &focused_->window() == &window) focused_ = nullptr;
  if (lastActiveDocument_ == &window) lastActiveDocument_ = nullptr;
  auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& w) { return w.get() == &window; });
  if (it == owned_.end()) return;
  std::unique_ptr<Window> closed = std::move(*it);
  owned_.erase(it);
  if (tearingDown_) return;
  (new ClosedWindow(*this, std::move(closed), context_.get()))->deleteLater();
}

void Application::deleteClosedWindows() {
  // Windows kept for their modal loop go the deferred way once the loop has returned.
  for (auto it = closed_.begin(); it != closed_.end();) {
    if ((*it)->inModalLoop()) {
      ++it;
      continue;
    }
    (new ClosedWindow(*this, std::move(*it), context_.get()))->deleteLater();
    it = closed_.erase(it);
  }
}

void MsgBox(const QString& text) { Application::current()->services().messageBox(text); }

void ReportCannotOpen(const QString& what) {
  if (Application* app = Application::current()) {
    MsgBox(app->platformText(QStringLiteral("platform.lxouvertureimpossible"),
                             QStringLiteral("Nothing on this system can open \u201c%1\u201d."))
               .arg(what));
  }
}

void ShowURL(const QString& url) {
  Application::current()->services().openUrl(url, [url] { ReportCannotOpen(url); });
}

void OpenLanguageSettings() {
  Application::current()->services().openLanguageSettings([] {
    if (Application* app = Application::current()) {
      MsgBox(app->platformText(QStringLiteral("platform.lxpasdereglageslangue"),
                               QStringLiteral("No language settings tool was found on this system.")));
    }
  });
}

QString GetLocalizedString(const QString& key, const QString& defaultText) {
  return Application::current()->localizedString(key, defaultText);
}

QString GetAccessibleText(const QString& key, const QString& defaultText) {
  return Application::current()->accessibleText(key, defaultText);
}

void ClearFocus() {
  Application* app = Application::current();
  Control* had = app->focusedControl();
  QPointer<QWidget> hadWidget = had ? had->widget() : nullptr;
  app->moveFocus(nullptr);
  if (app->focusedControl()) return;  // a LostFocus handler gave the focus to another control
  // Also the focus that Qt keeps for a hidden window, which it would hand back on showing it.
  if (hadWidget) hadWidget->clearFocus();
  if (QWidget* widget = QApplication::focusWidget()) widget->clearFocus();
}

}  // namespace platform
