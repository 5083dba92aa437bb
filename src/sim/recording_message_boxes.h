#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "core/platform/message_box.h"

namespace tlj::sim {

struct ShownMessageBox {
  std::string title;
  std::string text;
};

// Message boxes kept for the test to read. They answer at once, or, after AnswerAfter, as a user
// would: that many milliseconds of the loop's clock after each box opens.
class RecordingMessageBoxes : public platform::MessageBoxes {
 public:
  void Show(const std::string& title, const std::string& text) override {
    shown.push_back({title, text});
    if (answer_) answer_->SetEnabled(true);
  }
  bool Waiting() const override { return answer_ && answer_->Enabled(); }

  void AnswerAfter(platform::EventLoop& loop, platform::TimeMs ms) {
    answer_.emplace(loop, [this] { answer_->SetEnabled(false); });
    answer_->SetInterval(ms);
  }

  std::vector<ShownMessageBox> shown;

 private:
  std::optional<platform::Timer> answer_;
};

}  // namespace tlj::sim
