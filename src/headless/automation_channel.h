#pragma once
// Reads automation commands from a descriptor (standard input) inside the poll loop and hands
// each one to the loop as a posted event, as a window system hands over user input.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "headless/automation.h"
#include "headless/stderr_message_boxes.h"
#include "posix/poll_backend.h"

namespace tlj::headless {

class AutomationChannel {
 public:
  // Refused lines and failed commands are reported on `diagnostics` as "automation: REASON".
  AutomationChannel(platform::EventLoop& loop, posix::PollBackend& poll,
                    platform::ElementTree& tree, const std::vector<ShownMessageBox>& boxes, int fd,
                    std::ostream& diagnostics);
  ~AutomationChannel();
  AutomationChannel(const AutomationChannel&) = delete;
  AutomationChannel& operator=(const AutomationChannel&) = delete;

  void Execute(const AutomationCommand& command);

 private:
  void OnReadable(short revents);
  void TakeLine(std::string_view line);
  void StopReading();

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  platform::ElementTree& tree_;
  const std::vector<ShownMessageBox>& boxes_;
  int fd_;
  std::ostream& diagnostics_;
  bool reading_ = true;
  static constexpr std::size_t kLongestLine = 1 << 20;
  std::string partial_;    // the start of a line whose end has not arrived yet
  bool skipping_ = false;  // the rest of an overlong line is still to come
};

}  // namespace tlj::headless
