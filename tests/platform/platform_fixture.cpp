#include "platform/platform_fixture.h"

#include <QAbstractScrollArea>
#include <QTest>
#include <QWindow>

#include "platform/menus.h"

namespace platform_test {

PlatformTest::PlatformTest() {
  WindowA::log() = {};
  WindowB::log() = {};
  WindowC::log() = {};
  auto services = std::make_unique<RecordingServices>();
  services_ = services.get();
  services_->languages = {QStringLiteral("en")};
  services_->executable = QStringLiteral(CALCIMANDARIX_BUNDLE_EXECUTABLE);
  app_ = std::make_unique<platform::Application>(std::move(services));
}

PlatformTest::~PlatformTest() { endApplication(); }

void PlatformTest::endApplication() {
  app_.reset();
  services_ = nullptr;
  processEvents();
  WindowA::log().onClose = nullptr;
  WindowB::log().onClose = nullptr;
  WindowC::log().onClose = nullptr;
}

void PlatformTest::installEditMenu() {
  using platform::MenuItem;
  auto bar = std::make_unique<platform::MenuBar>();
  auto edit = std::make_unique<MenuItem>(QStringLiteral("EditMen"), MenuItem::Kind::AppleMenuItem);
  edit->setText(QStringLiteral("Edit"));
  MenuItem* menu = edit.get();
  bar->append(std::move(edit));
  const std::pair<const char*, const char*> items[] = {
      {"EditCut", "Cmd+X"}, {"EditCopy", "Cmd+C"}, {"EditPaste", "Cmd+V"}};
  for (const auto& [name, shortcut] : items) {
    auto item = std::make_unique<MenuItem>(QString::fromLatin1(name));
    item->setText(QString::fromLatin1(name + 4));
    item->setKeyboardShortcut(QString::fromLatin1(shortcut));
    item->setAutoEnable(false);
    menu->append(std::move(item));
  }
  app_->setMenuBar(std::move(bar));
}

void PlatformTest::chooseMenu(const QString& itemName) {
  platform::MenuItem* item = app_->menuBar()->lookup(itemName);
  ASSERT_NE(item, nullptr) << itemName.toStdString();
  app_->chooseMenuItem(*item);
  processEvents();
}

void PlatformTest::processEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

namespace {

QWindow* topLevelHandle(platform::Window& window) {
  QWidget* top = window.widget();
  EXPECT_TRUE(top->isVisible()) << "the window is shown";
  return top->windowHandle();
}

}  // namespace

void PlatformTest::clickInWindow(platform::Window& window, QPoint pos) {
  QWindow* handle = topLevelHandle(window);
  ASSERT_NE(handle, nullptr);
  const QPoint at = window.content()->mapTo(window.widget(), pos);
  QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
  processEvents();
}

void PlatformTest::moveMouseInWindow(platform::Window& window, QPoint pos) {
  QWindow* handle = topLevelHandle(window);
  ASSERT_NE(handle, nullptr);
  QTest::mouseMove(handle, window.content()->mapTo(window.widget(), pos));
  processEvents();
}

void PlatformTest::clickControl(platform::Control& control, QPoint pos) {
  QWidget* widget = control.widget();
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) widget = area->viewport();
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos.x() < 0 ? widget->rect().center() : pos);
  processEvents();
}

}  // namespace platform_test
