#pragma once

#include <string>
#include <vector>

#include "core/platform/message_box.h"

namespace tlj::sim {

struct ShownMessageBox {
  std::string title;
  std::string text;
};

// Message boxes that do not block and are kept for the test to read.
class RecordingMessageBoxes : public platform::MessageBoxes {
 public:
  void Show(const std::string& title, const std::string& text) override {
    shown.push_back({title, text});
  }
  std::vector<ShownMessageBox> shown;
};

}  // namespace tlj::sim
