#pragma once
// Message boxes as dialogs the user answers. Show() opens the box and returns at once; the box
// keeps the windows from taking input until it is answered, while the platform loop goes on
// (platform::ShowMessageBox waits for Waiting() to end in a pumping wait).

#include <memory>
#include <string>
#include <vector>

#include "core/platform/message_box.h"
#include "headless/stderr_message_boxes.h"

class QMessageBox;

namespace tlj::desktop {

class QtMessageBoxes : public platform::MessageBoxes {
 public:
  QtMessageBoxes();
  ~QtMessageBoxes() override;
  QtMessageBoxes(const QtMessageBoxes&) = delete;
  QtMessageBoxes& operator=(const QtMessageBoxes&) = delete;

  void Show(const std::string& title, const std::string& text) override;
  bool Waiting() const override;

  // Every box shown, for the automation dump.
  const std::vector<headless::ShownMessageBox>& Shown() const { return shown_; }
  // The last box opened that still waits, else null.
  QMessageBox* Open() const;

 private:
  struct Box;
  std::vector<std::unique_ptr<Box>> boxes_;
  std::vector<headless::ShownMessageBox> shown_;
};

}  // namespace tlj::desktop
