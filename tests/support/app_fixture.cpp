#include "support/app_fixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "numerals/fouimais.h"
#include "platform/window.h"
#include "texte/text.h"

QByteArray prefsBytes(bool welcome, bool defaut, bool simplified, bool usual) {
  QByteArray bytes;
  for (bool b : {welcome, defaut, simplified, usual}) bytes.append(b ? '\x01' : '\x00');
  return bytes;
}

std::string languageTestName(const char* bcp47) {
  std::string name = bcp47[0] ? bcp47 : "none";
  std::erase(name, '-');
  return name;
}

AppFixture::AppFixture() { EXPECT_TRUE(prefsDir_.isValid()); }

AppFixture::~AppFixture() {
  app_.reset();
  processEvents();
}

void AppFixture::setLanguage(const QString& bcp47) { language_ = bcp47; }

void AppFixture::setExecutable(const QString& path) { executable_ = path; }

void AppFixture::withoutTables() {
  bundleWithoutTables_ = std::make_unique<TemporaryBundle>();
  bundleWithoutTables_->copyResources(QStringLiteral("translations"));
  setExecutable(bundleWithoutTables_->executable());
}

void AppFixture::onNextModal(std::function<void(platform::Window&)> action) {
  if (services_) {
    services_->onNextModal(std::move(action));
  } else {
    pendingModalActions_.push_back(std::move(action));
  }
}

QString AppFixture::prefsPath() const { return prefsDir_.filePath(QStringLiteral("Calcimandarix prefs")); }

void AppFixture::writePrefs(const QByteArray& bytes) {
  QFile file(prefsPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  prefsWritten_ = true;
  noPrefs_ = false;
}

QByteArray AppFixture::readPrefs() const {
  QFile file(prefsPath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void AppFixture::createApp() {
  auto services = std::make_unique<RecordingServices>();
  services_ = services.get();
  services_->languages = language_.isEmpty() ? QStringList() : QStringList{language_};
  services_->prefsFolder = prefsDir_.path();
  services_->executable = executable_;
  while (!pendingModalActions_.empty()) {
    services_->onNextModal(std::move(pendingModalActions_.front()));
    pendingModalActions_.pop_front();
  }
  app_ = std::make_unique<App>(std::move(services));
}

void AppFixture::writeDefaultPrefs() {
  if (!prefsWritten_ && !noPrefs_) writePrefs(prefsBytes(false, true, true, true));
}

void AppFixture::start() {
  writeDefaultPrefs();
  createApp();
  app_->start();
  processEvents();
}

int AppFixture::run() {
  writeDefaultPrefs();
  createApp();
  return app_->run();
}

void AppFixture::startWithoutPrefs() {
  QFile::remove(prefsPath());
  noPrefs_ = true;
  prefsWritten_ = false;
  createApp();
  app_->start();
  processEvents();
}

void AppFixture::startInTable(CharacterTable table) {
  writePrefs(prefsBytes(false, false, isSimplified(table), isUsual(table)));
  app_ ? restart() : start();
}

void AppFixture::restart() {
  // What was scripted for a modal window and not used yet applies to the next run.
  if (services_) {
    for (auto& action : services_->modalActions) pendingModalActions_.push_back(std::move(action));
    services_->modalActions.clear();
  }
  app_.reset();
  processEvents();
  createApp();
  app_->start();
  processEvents();
}

Fpr& AppFixture::fpr() { return Fpr::get(); }

platform::Window* AppFixture::window(const QString& className) const { return app_->liveWindow(className); }

platform::Control* AppFixture::find(const QString& name, const QString& windowClass) const {
  platform::Window* w = window(windowClass);
  return w ? w->findControl(name) : nullptr;
}

void AppFixture::press(const QString& name, const QString& windowClass) {
  platform::Control* target = find(name, windowClass);
  ASSERT_NE(target, nullptr) << "no control " << name.toStdString() << " in " << windowClass.toStdString();
  QTest::mouseClick(target->widget(), Qt::LeftButton, Qt::NoModifier, pressPoint(*target));
  processEvents();
}

QPoint AppFixture::pressPoint(const platform::Control& control) {
  QWidget* widget = control.widget();
  QStyle::SubElement indicator;
  if (qobject_cast<QCheckBox*>(widget)) {
    indicator = QStyle::SE_CheckBoxIndicator;
  } else if (qobject_cast<QRadioButton*>(widget)) {
    indicator = QStyle::SE_RadioButtonIndicator;
  } else {
    return widget->rect().center();
  }
  QStyleOptionButton option;
  option.initFrom(widget);
  return widget->style()->subElementRect(indicator, &option, widget).center();
}

void AppFixture::pressKeys(std::initializer_list<const char*> names) {
  for (const char* name : names) press(QString::fromLatin1(name));
}

void AppFixture::click(const QString& name, const QString& windowClass, int x, int y) {
  platform::Control* target = find(name, windowClass);
  ASSERT_NE(target, nullptr) << "no control " << name.toStdString() << " in " << windowClass.toStdString();
  QWidget* widget = target->widget();
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) widget = area->viewport();
  const QPoint at = x < 0 ? widget->rect().center() : QPoint(x, y);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  processEvents();
}

void AppFixture::type(const QString& text, const QString& fieldName, const QString& windowClass) {
  QWidget* field = nullptr;
  if (!fieldName.isEmpty()) {
    platform::Control* target = find(fieldName, windowClass);
    ASSERT_NE(target, nullptr) << "no control " << fieldName.toStdString() << " in " << windowClass.toStdString();
    field = target->widget();
  }
  for (char32_t cp : texte::CodePoints(text)) {
    const QString one = QString::fromUcs4(&cp, 1);
    // A key that moves the focus sends the next one elsewhere, as on a real keyboard.
    QWidget* widget = field ? field : QApplication::focusWidget();
    ASSERT_NE(widget, nullptr) << "no widget has the focus for " << one.toStdString();
    // QTest::keyClicks turns a character into Latin-1, so the others go as a key with its text.
    if (cp < 0x80) {
      QTest::keyClicks(widget, one);
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
    processEvents();
  }
}

void AppFixture::commit(const QString& fieldName, const QString& text) {
  platform::Control* target = find(fieldName);
  ASSERT_NE(target, nullptr);
  QInputMethodEvent preedit(text, {});
  QApplication::sendEvent(target->widget(), &preedit);
  QInputMethodEvent commitEvent;
  commitEvent.setCommitString(text);
  QApplication::sendEvent(target->widget(), &commitEvent);
  processEvents();
}

void AppFixture::paste(const QString& text) {
  QApplication::clipboard()->setText(text);
  chooseMenu(QStringLiteral("EditPaste"));
}

platform::MenuItem* AppFixture::menuItem(const QString& itemName) const { return app_->menuBar()->lookup(itemName); }

void AppFixture::chooseMenu(const QString& itemName) {
  platform::MenuItem* item = menuItem(itemName);
  ASSERT_NE(item, nullptr) << "no menu item " << itemName.toStdString();
  // Opening the menu sets which items are enabled, as a click into the menu bar does.
  if (item->parent() && item->parent()->menu()) emit item->parent()->menu()->aboutToShow();
  ASSERT_TRUE(item->action()->isEnabled()) << itemName.toStdString() << " is disabled";
  item->action()->trigger();
  processEvents();
}

QString AppFixture::displayText() { return fpr().StaticText1->text(); }
QString AppFixture::echoText() { return fpr().StaticText11->text(); }
QString AppFixture::operatorText() { return fpr().STopera->text(); }
QString AppFixture::chineseField() { return fpr().EFca->text(); }
QString AppFixture::arabicField() { return fpr().EFcr->text(); }

bool AppFixture::noteShown() const {
  const fouimais* note = app_ ? app_->liveInstance<fouimais>() : nullptr;
  return note != nullptr && note->visible();
}

void AppFixture::processEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}
