#include "support/app_fixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include "platform/window.h"

AppFixture::AppFixture() {
  EXPECT_TRUE(prefsDir_.isValid());
}

AppFixture::~AppFixture() {
  app_.reset();
  processEvents();
}

void AppFixture::setLanguage(const QString& bcp47) { language_ = bcp47; }

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
  services_->executable = QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE);
  app_ = std::make_unique<App>(std::move(services));
}

void AppFixture::start() {
  if (!prefsWritten_ && !noPrefs_) writePrefs(QByteArray("\x00\x01\x01\x01", 4));
  createApp();
  app_->start();
  processEvents();
}

void AppFixture::startWithoutPrefs() {
  QFile::remove(prefsPath());
  noPrefs_ = true;
  prefsWritten_ = false;
  createApp();
  app_->start();
  processEvents();
}

void AppFixture::restart() {
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
  QTest::mouseClick(target->widget(), Qt::LeftButton);
  processEvents();
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
  QWidget* widget = QApplication::focusWidget();
  if (!fieldName.isEmpty()) {
    platform::Control* target = find(fieldName, windowClass);
    ASSERT_NE(target, nullptr);
    widget = target->widget();
  }
  ASSERT_NE(widget, nullptr) << "no widget has the focus";
  QTest::keyClicks(widget, text);
  processEvents();
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

platform::MenuItem* AppFixture::menuItem(const QString& itemName) const {
  return app_->menuBar()->lookup(itemName);
}

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

void AppFixture::processEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}
