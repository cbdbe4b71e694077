#pragma once
// The menu bar and its items. An item's check mark is the layer's own state, read by handlers
// as it was before the click. Items are found by name anywhere in the bar.

#include <QString>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace platform {

class Application;

class MenuItem {
 public:
  // AppleMenuItem and PrefsMenuItem items go to the application menu on a Mac.
  enum class Kind { Item, AppleMenuItem, PrefsMenuItem };

  explicit MenuItem(QString name, Kind kind = Kind::Item);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  QString name() const { return name_; }
  Kind kind() const { return kind_; }
  QString text() const { return text_; }
  void setText(const QString& text);
  bool isSeparator() const { return text_ == QLatin1String("-"); }
  // "Cmd+X" and the like; Cmd is the platform's command key (Ctrl off the Mac).
  QString keyboardShortcut() const { return shortcut_; }
  bool keyboardShortcutSet() const { return shortcutSet_; }
  void setKeyboardShortcut(const QString& shortcut);
  bool autoEnable() const { return autoEnable_; }
  void setAutoEnable(bool on) { autoEnable_ = on; }
  bool checked() const { return checked_; }
  void setChecked(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  bool enabled() const;

  MenuItem* parent() const { return parent_; }
  void append(std::unique_ptr<MenuItem> item);
  int count() const { return static_cast<int>(children_.size()); }
  MenuItem* item(int i) const { return children_.at(static_cast<size_t>(i)).get(); }
  // The direct child of that name.
  MenuItem* child(const QString& name) const;
  // This item or an item of that name anywhere below it.
  MenuItem* lookup(const QString& name);

  // What choosing it does, as a click in the menu would.
  void choose();
  // Enables this item and those below it as their handlers and the focused field say.
  void updateEnabled();

  QAction* action() const;
  QMenu* menu() const { return menu_.get(); }

 private:
  friend class MenuBar;
  void realize(QMenu* into);
  void realizeAsMenu(QMenuBar* into);
  // The item's submenu, made on first use.
  QMenu* ensureMenu();
  void syncAction();

  QString name_;
  Kind kind_;
  QString text_;
  QString shortcut_;
  bool shortcutSet_ = false;
  bool autoEnable_ = true;
  bool checked_ = false;
  bool visible_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
  QAction* action_ = nullptr;
  std::unique_ptr<QMenu> menu_;
};

class MenuBar {
 public:
  MenuBar();
  virtual ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  void append(std::unique_ptr<MenuItem> menu);
  int count() const { return static_cast<int>(menus_.size()); }
  MenuItem* item(int i) const { return menus_.at(static_cast<size_t>(i)).get(); }
  MenuItem* child(const QString& name) const;
  MenuItem* lookup(const QString& name) const;
  // Enables every item as its handlers and the focused field say (also done when a menu opens).
  void updateEnabled();

  QMenuBar* widget() const;

 private:
  std::vector<std::unique_ptr<MenuItem>> menus_;
  std::unique_ptr<QMenuBar> bar_;
};

}  // namespace platform
