#include "support/recording_services.h"

#include <gtest/gtest.h>

#include "platform/application.h"

void RecordingServices::modalShown(platform::Window& window) {
  modalWindows << window.className();
  if (modalActions.empty()) {
    ADD_FAILURE() << "unexpected modal window " << window.className().toStdString();
    window.close();
    return;
  }
  auto action = std::move(modalActions.front());
  modalActions.pop_front();
  action(window);
  // Quitting is the other way out of a modal loop: the window then stays, without its Close.
  const platform::Application* app = platform::Application::current();
  if (!window.isClosed() && !(app && app->quitRequested())) {
    ADD_FAILURE() << "the scripted action left the modal window " << window.className().toStdString() << " open";
    window.close();
  }
}
