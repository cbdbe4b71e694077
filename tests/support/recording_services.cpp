#include "support/recording_services.h"

#include <gtest/gtest.h>

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
  if (!window.isClosed()) {
    ADD_FAILURE() << "the scripted action left the modal window " << window.className().toStdString() << " open";
    window.close();
  }
}
