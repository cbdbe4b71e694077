#pragma once
// A fresh application per test, headless, with recording services, a temporary preferences
// folder and a chosen UI language; helpers press controls by window and name, click fields,
// type, paste, choose menu items and read what the application shows.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/App.h"
#include "mainwindow/Fpr.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "support/character_tables.h"
#include "support/printers.h"
#include "support/recording_services.h"
#include "support/temporary_bundle.h"

// The preferences file's bytes: welcome window, default characters, simplified, usual.
QByteArray prefsBytes(bool welcome, bool defaut, bool simplified, bool usual);

// A parameterized test's name for a UI language: "zhCN" for "zh-CN", "none" for "".
std::string languageTestName(const char* bcp47);

class AppFixture : public ::testing::Test {
 protected:
  AppFixture();
  ~AppFixture() override;

  // The UI language the desktop reports ("en", "fr", "zh-CN", "zh-TW" ...); "" for none.
  void setLanguage(const QString& bcp47);
  // The application runs from a bundle that holds everything of the built one but its
  // translation tables: the interface texts are the compiled defaults.
  void withoutTables();
  // The executable the application believes it runs as (the built bundle's by default): its
  // bundle holds the pictures and translations that the application loads.
  void setExecutable(const QString& path);
  // Writes the preferences file with these bytes before the start.
  void writePrefs(const QByteArray& bytes);
  QByteArray readPrefs() const;
  QString prefsPath() const;
  // Scripts what to do with the next window shown modally, also one that start() shows (the
  // action must close it).
  void onNextModal(std::function<void(platform::Window&)> action);
  // Builds and starts a fresh application. By default the preferences file asks for no
  // welcome window and the default characters, unless the test wrote its own or removed it.
  void start();
  // Ends the running application and starts a new one on the same preferences folder.
  void restart();
  // Starts, or starts anew when running, with preferences that choose the character table.
  void startInTable(CharacterTable table);
  // A start with no preferences file at all.
  void startWithoutPrefs();
  // Builds the application on the same preferences as start() and runs its real event loop
  // until it ends; returns the loop's exit code.
  int run();

  App& application() { return *app_; }
  Fpr& fpr();
  RecordingServices& services() { return *services_; }

  platform::Window* window(const QString& className) const;
  platform::Control* find(const QString& name, const QString& windowClass = QStringLiteral("Fpr")) const;
  template <class T>
  T* control(const QString& name, const QString& windowClass = QStringLiteral("Fpr")) const {
    T* found = dynamic_cast<T*>(find(name, windowClass));
    EXPECT_NE(found, nullptr) << "no " << name.toStdString() << " in " << windowClass.toStdString();
    return found;
  }

  // A mouse click on a button, key, triangle, check box or radio button (a real Qt event).
  void press(const QString& name, const QString& windowClass = QStringLiteral("Fpr"));
  // Where press clicks, in the control's own coordinates: a check box's or radio button's box,
  // any other control's middle.
  static QPoint pressPoint(const platform::Control& control);
  // Presses several keypad keys in turn: pressKeys({"BB1", "BB10", "BB2"}).
  void pressKeys(std::initializer_list<const char*> names);
  // A mouse click into a field or canvas at (x, y), or at its middle.
  void click(const QString& name, const QString& windowClass = QStringLiteral("Fpr"), int x = -1, int y = -1);
  // Key presses typed into the named field, or each into the widget that has the Qt focus by
  // then; characters beyond ASCII arrive as key events that carry their text, as a keyboard
  // layout for them sends.
  void type(const QString& text, const QString& fieldName = QString(),
            const QString& windowClass = QStringLiteral("Fpr"));
  // Text committed by an input method into a field.
  void commit(const QString& fieldName, const QString& text);
  // Pastes through the Edit menu into the field that has the focus.
  void paste(const QString& text);
  // Chooses a menu item by name, as a click in the menu does.
  void chooseMenu(const QString& itemName);
  platform::MenuItem* menuItem(const QString& itemName) const;

  QString displayText();   // StaticText1
  QString echoText();      // StaticText11
  QString operatorText();  // STopera
  QString chineseField();  // EFca
  QString arabicField();   // EFcr
  // The note that some characters belong to another table is on screen.
  bool noteShown() const;

  // Runs the event loop briefly (deferred deletions, queued calls).
  static void processEvents();

 private:
  void writeDefaultPrefs();
  void createApp();

  QTemporaryDir prefsDir_;
  QString language_ = QStringLiteral("en");
  QString executable_ = QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE);
  std::deque<std::function<void(platform::Window&)>> pendingModalActions_;
  bool prefsWritten_ = false;
  bool noPrefs_ = false;
  RecordingServices* services_ = nullptr;
  std::unique_ptr<TemporaryBundle> bundleWithoutTables_;
  std::unique_ptr<App> app_;
};
