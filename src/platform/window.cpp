#include "platform/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/widgets_p.h"

namespace platform {

WindowWidget::WindowWidget(Window& window) : QWidget(nullptr), window_(window) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The close box: the framework's close, with its Close event; the widget only hides.
  event->ignore();
  window_.handleCloseRequest();
}

void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) window_.handleActivate();
  QWidget::changeEvent(event);
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  window_.handleResize();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    window_.handleReturnKey();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    window_.handleEscapeKey();
    return;
  }
  QWidget::keyPressEvent(event);
}

Window::Window(QString className)
    : className_(std::move(className)),
      application_(Application::current()),
      widget_(std::make_unique<WindowWidget>(*this)) {
  auto* layout = new QVBoxLayout(widget_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  content_ = new QWidget(widget_.get());
  content_->setObjectName(className_);
  content_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(content_);
  widget_->setObjectName(className_);
  applyFlags();
  applySize();
}

Window::~Window() {
  if (menuBar_ && menuBar_->widget()) {
    // The menu bar belongs to the application, not to the window.
    menuBar_->widget()->hide();
    menuBar_->widget()->setParent(nullptr);
  }
  controls_.clear();
}

QWidget* Window::widget() const { return widget_.get(); }
QWidget* Window::content() const { return content_; }

void Window::setFrame(Frame frame) {
  frame_ = frame;
  applyFlags();
}

void Window::setResizable(bool resizable) {
  resizable_ = resizable;
  applySize();
}

void Window::setCloseButton(bool on) {
  closeButton_ = on;
  applyFlags();
}

void Window::setMinimizeButton(bool on) {
  minimizeButton_ = on;
  applyFlags();
}

void Window::setBackColor(std::optional<Color> color) {
  if (!color) {
    content_->setAutoFillBackground(false);
    return;
  }
  QPalette palette = content_->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(*color));
  content_->setPalette(palette);
  content_->setAutoFillBackground(true);
}

void Window::applyFlags() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (frame_ == Frame::Floating) flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (frame_ == Frame::MovableModal) flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_ && frame_ == Frame::Document) flags |= Qt::WindowMinimizeButtonHint;
  const bool wasVisible = widget_->isVisible();
  widget_->setWindowFlags(flags);
  widget_->setWindowModality(frame_ == Frame::MovableModal ? Qt::ApplicationModal : Qt::NonModal);
  if (wasVisible) widget_->show();
}

void Window::setMenuBar(MenuBar* bar) {
  menuBar_ = bar;
  if (bar && bar->widget()) {
    widget_->layout()->setMenuBar(bar->widget());
    bar->widget()->show();
  }
  applySize();
}

QString Window::title() const { return widget_->windowTitle(); }
void Window::setTitle(const QString& title) { widget_->setWindowTitle(title); }

void Window::setAccessibleName(const QString& name) { widget_->setAccessibleName(name); }

int Window::left() const { return widget_->geometry().x(); }
int Window::top() const { return widget_->geometry().y(); }

void Window::setLeft(int left) {
  QRect g = widget_->geometry();
  g.moveLeft(left);
  widget_->setGeometry(g);
}

void Window::setTop(int top) {
  QRect g = widget_->geometry();
  g.moveTop(top);
  widget_->setGeometry(g);
}

void Window::setHeight(int height) { setSize(width_, height); }

void Window::setSize(int width, int height) {
  const int dw = width - width_;
  const int dh = height - height_;
  width_ = width;
  height_ = height;
  // In a resizable window a size set by code moves the locked controls as the user's would.
  if (resizable_ && sized_) moveLockedControls(dw, dh);
  sized_ = true;
  applySize();
}

void Window::setMinSize(int width, int height) {
  minWidth_ = width;
  minHeight_ = height;
  applySize();
}

void Window::setMaxSize(int width, int height) {
  maxWidth_ = width;
  maxHeight_ = height;
  applySize();
}

void Window::setMaxHeight(int height) { setMaxSize(maxWidth_, height); }

void Window::applySize() {
  auto* layout = widget_->layout();
  if (resizable_) {
    // The user may resize between the bounds; the content follows the window.
    content_->setMinimumSize(std::min(minWidth_, width_), std::min(minHeight_, height_));
    content_->setMaximumSize(std::max(maxWidth_, width_), std::max(maxHeight_, height_));
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    // A window built fixed keeps the fixed layout's maximum size until it is lifted here.
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int menuHeight = menuBar_ && menuBar_->widget() ? menuBar_->widget()->sizeHint().height() : 0;
    widget_->resize(width_, height_ + menuHeight);
  } else {
    // A fixed window takes exactly the size set by code.
    content_->setFixedSize(width_, height_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
  }
}

bool Window::visible() const { return widget_->isVisible(); }

void Window::setVisible(bool visible) {
  if (visible) {
    show();
  } else {
    widget_->hide();
  }
}

void Window::show() {
  if (closed_) return;
  const bool wasVisible = widget_->isVisible();
  // A floating window (a note, the about box) comes up without taking the keyboard from the
  // window the user types in.
  const bool floating = frame_ == Frame::Floating;
  QWidget* typingIn = QApplication::activeWindow();
  if (placement_ == Placement::ParentWindow) {
    if (!wasVisible) placeBesideParent();
  } else {
    placeOnFirstShow();
  }
  widget_->setAttribute(Qt::WA_ShowWithoutActivating, floating);
  widget_->show();
  // A window just shown is in front already.
  if (wasVisible) widget_->raise();
  if (!floating) {
    widget_->activateWindow();
  } else if (typingIn && typingIn != widget_.get()) {
    // Some desktops activate every window shown; hand the keyboard back.
    typingIn->activateWindow();
  }
  // Showing a window activates it, also where the desktop reports no activation.
  if (!wasVisible) handleActivate();
}

void Window::placeOnFirstShow() {
  if (placed_ || placement_ != Placement::MainScreen) return;
  placed_ = true;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  widget_->layout()->activate();
  const QSize size = widget_->frameGeometry().size();
  widget_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Window::placeBesideParent() {
  // Each time it is shown, beside the document window the user last worked in, covering none
  // of it, as far as the screen allows.
  const Window* parent = application_->lastActiveDocument();
  if (!parent || parent == this) return;
  widget_->layout()->activate();
  const QScreen* screen = parent->widget()->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  widget_->move(placeBeside(parent->widget()->frameGeometry(), widget_->frameGeometry().size(), area).topLeft());
}

void Window::showModal() {
  if (closed_) return;
  Application& app = *application_;
  ++modalDepth_;
  widget_->setWindowModality(Qt::ApplicationModal);
  show();
  QEventLoop loop;
  bool ended = false;
  auto stillOpen = [this, &ended] { return !ended && !closed_; };
  QMetaObject::invokeMethod(
      &loop,
      [this, &app, &stillOpen] {
        if (stillOpen()) app.services().modalShown(*this);
      },
      Qt::QueuedConnection);
  while (!closed_ && !app.quitRequested()) {
    loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  }
  ended = true;
  --modalDepth_;
  app.deleteClosedWindows();
}

void Window::close() {
  if (closing_ || closed_) return;
  closing_ = true;
  eventClose();
  closed_ = true;
  widget_->hide();
  application_->windowClosed(*this);
}

Control* Window::findControl(const QString& name, int index) const {
  for (const auto& control : controls_) {
    if (control->name() == name && control->index() == index) return control.get();
  }
  return nullptr;
}

void Window::addMenuHandler(const QString& itemName, std::function<bool()> handler) {
  menuHandlers_.emplace_back(itemName, std::move(handler));
  if (MenuBar* bar = application_->menuBar()) bar->updateEnabled();
}

bool Window::hasMenuHandler(const QString& itemName) const {
  return findMenuHandler(menuHandlers_, itemName) != nullptr;
}

bool Window::handleMenuItem(const QString& itemName) {
  const auto* handler = findMenuHandler(menuHandlers_, itemName);
  return handler && (*handler)();
}

PushButton* Window::defaultButton() const {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button && button->isDefault() && button->visible() && button->enabled()) return button;
  }
  return nullptr;
}

PushButton* Window::cancelButton() const {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button && button->isCancel() && button->visible()) return button;
  }
  return nullptr;
}

void Window::addControl(std::unique_ptr<Control> control) { controls_.push_back(std::move(control)); }

void Window::orderTabChain() {
  // Tab goes through the text fields first, in the order they were made, and only then reaches
  // the buttons: a button made between two fields does not come between them.
  std::vector<QWidget*> fields, buttons;
  for (const auto& control : controls_) {
    QWidget* w = control->widget();
    if (!w || !(w->focusPolicy() & Qt::TabFocus)) continue;
    (qobject_cast<QAbstractButton*>(w) ? buttons : fields).push_back(w);
  }
  fields.insert(fields.end(), buttons.begin(), buttons.end());
  for (size_t i = 1; i < fields.size(); ++i) QWidget::setTabOrder(fields[i - 1], fields[i]);
}

void Window::open() {
  if (opened_) return;
  opened_ = true;
  orderTabChain();
  eventOpen();
  if (visibleAtCreation_ && !closed_) show();
}

void Window::handleCloseRequest() { close(); }

void Window::handleActivate() {
  if (closed_ || application_->tearingDown()) return;
  if (frame_ == Frame::Document) application_->documentActivated(*this);
  // The active window's own menu handlers enable their items.
  if (MenuBar* bar = application_->menuBar()) bar->updateEnabled();
  eventActivate();
}

void Window::handleResize() {
  if (!resizable_ || !sized_) return;
  const int dw = content_->width() - width_;
  const int dh = content_->height() - height_;
  width_ = content_->width();
  height_ = content_->height();
  moveLockedControls(dw, dh);
}

void Window::moveLockedControls(int dw, int dh) {
  if (dw == 0 && dh == 0) return;
  for (const auto& control : controls_) control->windowResized(dw, dh);
  for (const auto& control : controls_) control->repositionInParent();
}

void Window::handleReturnKey() {
  if (PushButton* button = defaultButton()) button->push();
}

void Window::handleEscapeKey() {
  if (PushButton* button = cancelButton()) {
    if (button->enabled()) button->push();
    return;
  }
  // Without a cancel button, Escape is the close box of a dialog.
  if (modalDepth_ > 0 || frame_ == Frame::MovableModal) close();
}

}  // namespace platform
