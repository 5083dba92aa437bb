#pragma once

#include <string>

namespace tlj::platform {

// A modal message box with an OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Opens the box; it stays open until the user answers it.
  virtual void Show(const std::string& title, const std::string& text) = 0;
  // Whether the box opened last still waits for the user's answer. Boxes that answer at once
  // (headless) never wait.
  virtual bool Waiting() const { return false; }
};

// Shows a box and returns once the user has answered it. Meanwhile the program goes on as under
// the platform's own boxes: timers, socket events and lobby messages are handled (a pumping
// wait; the pump's own tick still never nests), while the windows take no input.
void ShowMessageBox(const std::string& title, const std::string& text);

}  // namespace tlj::platform
