#pragma once
// The seam between the application and the desktop: message boxes, documents, URLs, the
// language settings, the preferred UI languages and the preferences folder. The running
// application uses QtServices; tests put a recorder in its place.

#include <QString>
#include <QStringList>

namespace platform {

class Window;

class Services {
 public:
  virtual ~Services() = default;
  // A modal message box with one button; returns once it is dismissed.
  virtual void messageBox(const QString& text) = 0;
  // Hands a URL (web or mailto:) to the system.
  virtual void openUrl(const QString& url) = 0;
  // Opens a document in its default application; false when nothing could open it.
  virtual bool openDocument(const QString& path) = 0;
  // Opens the desktop's language settings, when the desktop has a tool for them.
  virtual void openLanguageSettings() = 0;
  // The user's preferred UI languages, most preferred first (BCP 47 names such as "zh-TW").
  virtual QStringList uiLanguages() = 0;
  // The folder that holds the user's preferences files.
  virtual QString preferencesFolder() = 0;
  // The running executable, from which the bundle's folders are found.
  virtual QString executablePath() = 0;
  // Called from inside the event loop of a window shown with showModal, once it is up.
  virtual void modalShown(Window& window) { (void)window; }
};

// The real services, on Qt and the desktop.
class QtServices : public Services {
 public:
  void messageBox(const QString& text) override;
  void openUrl(const QString& url) override;
  bool openDocument(const QString& path) override;
  void openLanguageSettings() override;
  QStringList uiLanguages() override;
  QString preferencesFolder() override;
  QString executablePath() override;
};

}  // namespace platform
