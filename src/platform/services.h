#pragma once
// The seam between the application and the desktop: message boxes, documents, URLs, the
// language settings, the preferred UI languages, the preferences folder and what a screen
// reader hears. The running application uses QtServices; tests put a recorder in its place.

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

class Window;

class Services {
 public:
  virtual ~Services() = default;
  // A modal message box with one button; returns once it is dismissed.
  virtual void messageBox(const QString& text) = 0;
  // What the desktop is asked to open calls `failed` when nothing opens it: at once, or later
  // from the event loop once the desktop has said so.
  using Failed = std::function<void()>;
  // Hands a URL (web or mailto:) to the system.
  virtual void openUrl(const QString& url, Failed failed) = 0;
  // Opens a document in its default application.
  virtual void openDocument(const QString& path, Failed failed) = 0;
  // Opens the desktop's language settings, with the first tool for them that is installed.
  virtual void openLanguageSettings(Failed failed) = 0;
  // The user's preferred UI languages, most preferred first (BCP 47 names such as "zh-TW").
  virtual QStringList uiLanguages() = 0;
  // The folder that holds the user's preferences files.
  virtual QString preferencesFolder() = 0;
  // The running executable, from which the bundle's folders are found.
  virtual QString executablePath() = 0;
  // Called from inside the event loop of a window shown with showModal, once it is up.
  virtual void modalShown(Window& window) { (void)window; }
  // Tells the desktop's assistive technologies what changed in a control (the new text of a
  // label); Qt hands it on only while a screen reader listens.
  virtual void accessibilityUpdate(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }
};

// The real services, on Qt and the desktop.
class QtServices : public Services {
 public:
  void messageBox(const QString& text) override;
  void openUrl(const QString& url, Failed failed) override;
  void openDocument(const QString& path, Failed failed) override;
  void openLanguageSettings(Failed failed) override;
  QStringList uiLanguages() override;
  QString preferencesFolder() override;
  QString executablePath() override;

 private:
  // Hears the desktop's openers while the services live: an opener that fails after the
  // application has ended reports to no one.
  QObject openers_;
};

}  // namespace platform
