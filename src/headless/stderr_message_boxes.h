#pragma once
// Message boxes that do not wait for anyone: each is printed to standard error as
// "MessageBox: TITLE: TEXT" and kept for the automation dump.

#include <cstdio>
#include <string>
#include <vector>

#include "core/platform/message_box.h"

namespace tlj::headless {

struct ShownMessageBox {
  std::string title;
  std::string text;
};

class StderrMessageBoxes : public platform::MessageBoxes {
 public:
  explicit StderrMessageBoxes(std::FILE* out = stderr) : out_(out) {}
  void Show(const std::string& title, const std::string& text) override;
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }

 private:
  std::FILE* out_;
  std::vector<ShownMessageBox> shown_;
};

}  // namespace tlj::headless
