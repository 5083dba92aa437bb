#pragma once

#include <string>

namespace tlj::platform {

// A modal message box with an OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::string& title, const std::string& text) = 0;
};

}  // namespace tlj::platform
