#include "platform/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "platform/application.h"
#include "platform/controls.h"

namespace platform {

namespace {

QKeySequence keySequence(const QString& shortcut) {
  // The framework's "Cmd+X", "Cmd+C" and "Cmd+V" are the platform's standard edit keys.
  const QString key = shortcut.section(QLatin1Char('+'), -1).toUpper();
  if (shortcut.startsWith(QLatin1String("Cmd+"), Qt::CaseInsensitive)) {
    if (key == QLatin1String("X")) return QKeySequence(QKeySequence::Cut);
    if (key == QLatin1String("C")) return QKeySequence(QKeySequence::Copy);
    if (key == QLatin1String("V")) return QKeySequence(QKeySequence::Paste);
    return QKeySequence(QStringLiteral("Ctrl+") + key);
  }
  return QKeySequence(shortcut);
}

bool isEditCommand(const QString& name) {
  return name == QLatin1String("EditCut") || name == QLatin1String("EditCopy") || name == QLatin1String("EditPaste");
}

}  // namespace

MenuItem::MenuItem(QString name, Kind kind) : name_(std::move(name)), kind_(kind) {}

MenuItem::~MenuItem() = default;

QAction* MenuItem::action() const { return menu_ ? menu_->menuAction() : action_; }

void MenuItem::setText(const QString& text) {
  text_ = text;
  syncAction();
}

void MenuItem::setKeyboardShortcut(const QString& shortcut) {
  shortcut_ = shortcut;
  shortcutSet_ = true;
  syncAction();
}

void MenuItem::setChecked(bool on) {
  checked_ = on;
  syncAction();
}

void MenuItem::setVisible(bool on) {
  visible_ = on;
  syncAction();
}

bool MenuItem::enabled() const {
  if (parent_ == nullptr || isSeparator()) return true;
  Application* app = Application::current();
  if (!app) return false;
  if (isEditCommand(name_)) return dynamic_cast<EditField*>(app->focusedControl()) != nullptr;
  return app->hasHandlerFor(name_);
}

void MenuItem::updateEnabled() {
  if (action_ && !isSeparator()) action_->setEnabled(enabled());
  for (const auto& child : children_) child->updateEnabled();
}

void MenuItem::append(std::unique_ptr<MenuItem> item) {
  item->parent_ = this;
  if (!menu_) ensureMenu()->setTitle(text_);
  item->realize(menu_.get());
  children_.push_back(std::move(item));
}

QMenu* MenuItem::ensureMenu() {
  if (!menu_) {
    menu_ = std::make_unique<QMenu>();
    menu_->menuAction()->setMenuRole(QAction::NoRole);
    QObject::connect(menu_.get(), &QMenu::aboutToShow, menu_.get(), [this] {
      for (const auto& child : children_) child->syncAction();
    });
  }
  return menu_.get();
}

void MenuItem::realize(QMenu* into) {
  if (isSeparator()) {
    action_ = into->addSeparator();
  } else {
    action_ = into->addAction(text_);
    QObject::connect(action_, &QAction::triggered, action_, [this] { choose(); });
  }
  // Only the About and Preferences commands move to a Mac's application menu.
  action_->setMenuRole(
      kind_ == Kind::PrefsMenuItem ? QAction::PreferencesRole
      : (kind_ == Kind::AppleMenuItem && parent_ && parent_->parent_ == nullptr && name_ != QLatin1String("EditMen"))
          ? QAction::AboutRole
          : QAction::NoRole);
  syncAction();
}

void MenuItem::choose() {
  // Qt flips a checkable action before it reports the click; the mark is ours.
  syncAction();
  if (Application* app = Application::current()) app->chooseMenuItem(*this);
}

void MenuItem::syncAction() {
  if (menu_) {
    menu_->setTitle(text_);
    menu_->menuAction()->setVisible(visible_);
    return;
  }
  if (!action_) return;
  if (!isSeparator()) action_->setText(text_);
  action_->setVisible(visible_);
  if (isSeparator()) return;
  action_->setShortcut(shortcutSet_ && !shortcut_.isEmpty() ? keySequence(shortcut_) : QKeySequence());
  action_->setCheckable(checked_);
  action_->setChecked(checked_);
  action_->setEnabled(enabled());
}

MenuItem* MenuItem::child(const QString& name) const {
  for (const auto& item : children_) {
    if (item->name_ == name) return item.get();
  }
  return nullptr;
}

MenuItem* MenuItem::lookup(const QString& name) {
  if (name_ == name) return this;
  for (const auto& item : children_) {
    if (MenuItem* found = item->lookup(name)) return found;
  }
  return nullptr;
}

MenuBar::MenuBar() : bar_(std::make_unique<QMenuBar>()) {}

void MenuBar::updateEnabled() {
  for (const auto& menu : menus_) menu->updateEnabled();
}

MenuBar::~MenuBar() {
  menus_.clear();
  bar_.reset();
}

QMenuBar* MenuBar::widget() const { return bar_.get(); }

void MenuBar::append(std::unique_ptr<MenuItem> menu) {
  MenuItem* item = menu.get();
  menus_.push_back(std::move(menu));
  item->realizeAsMenu(bar_.get());
}

void MenuItem::realizeAsMenu(QMenuBar* into) {
  QMenu* menu = ensureMenu();
  menu->setTitle(text_);
  into->addMenu(menu);
  syncAction();
}

MenuItem* MenuBar::child(const QString& name) const {
  for (const auto& item : menus_) {
    if (item->name() == name) return item.get();
  }
  return nullptr;
}

MenuItem* MenuBar::lookup(const QString& name) const {
  for (const auto& item : menus_) {
    if (MenuItem* found = item->lookup(name)) return found;
  }
  return nullptr;
}

}  // namespace platform
