#pragma once
// Services that record what the application asks of the desktop and answer at once.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/services.h"
#include "platform/window.h"

class RecordingServices : public platform::Services {
 public:
  void messageBox(const QString& text) override { messages << text; }
  void openUrl(const QString& url, Failed failed) override {
    urls << url;
    if (desktopOpensNothing) failed();
  }
  void openDocument(const QString& path, Failed failed) override {
    documents << path;
    if (desktopOpensNothing) failed();
  }
  void openLanguageSettings(Failed failed) override {
    ++languageSettingsOpened;
    if (desktopOpensNothing) failed();
  }
  QStringList uiLanguages() override { return languages; }
  QString preferencesFolder() override { return prefsFolder; }
  QString executablePath() override { return executable; }
  // Runs the next scripted action for a modal window; a modal window that no test expected
  // is a failure, and is closed so that the run goes on.
  void modalShown(platform::Window& window) override;
  // Records, when asked to, what a screen reader would hear (the control and the name it reads
  // then), and hands it on as the real services do.
  void accessibilityUpdate(QAccessibleEvent& event) override {
    if (hearAccessibility) {
      QAccessibleInterface* read = event.accessibleInterface();
      accessibilityEvents.push_back({event.object(), event.type(), read ? read->text(QAccessible::Name) : QString()});
    }
    platform::Services::accessibilityUpdate(event);
  }

  // Script what to do with the next window shown modally (it must close the window).
  void onNextModal(std::function<void(platform::Window&)> action) { modalActions.push_back(std::move(action)); }

  QStringList messages;
  QStringList urls;
  QStringList documents;
  int languageSettingsOpened = 0;
  // The desktop has nothing that opens documents, links or the language settings.
  bool desktopOpensNothing = false;
  QStringList languages;
  QString prefsFolder;
  QString executable;
  QStringList modalWindows;
  struct AccessibilityEvent {
    QObject* object;
    QAccessible::Event type;
    QString name;
  };
  bool hearAccessibility = false;
  std::vector<AccessibilityEvent> accessibilityEvents;
  std::deque<std::function<void(platform::Window&)>> modalActions;
};
