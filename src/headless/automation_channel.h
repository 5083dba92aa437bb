#pragma once
// Reads automation commands from a descriptor (standard input) through the front end's loop and
// hands each one to the loop as a posted event, as a window system hands over user input.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "headless/automation.h"
#include "headless/stderr_message_boxes.h"
#include "posix/descriptor_watcher.h"

namespace tlj::headless {

class AutomationChannel {
 public:
  // Writes window WINDOW as drawn to PATH; returns why it could not, or nothing.
  using Snapshot = std::function<std::string(const std::string& window, const std::string& path)>;

  // Refused lines and failed commands are reported on `diagnostics` as "automation: REASON".
  // Without `snapshot` (no windows are drawn) the snapshot command is refused.
  AutomationChannel(platform::EventLoop& loop, posix::DescriptorWatcher& watcher,
                    platform::ElementTree& tree, const std::vector<ShownMessageBox>& boxes, int fd,
                    std::ostream& diagnostics, Snapshot snapshot = {});
  ~AutomationChannel();
  AutomationChannel(const AutomationChannel&) = delete;
  AutomationChannel& operator=(const AutomationChannel&) = delete;

  void Execute(const AutomationCommand& command);

 private:
  void OnReadable(short revents);
  void TakeLine(std::string_view line);
  void StopReading();

  platform::EventLoop& loop_;
  posix::DescriptorWatcher& watcher_;
  platform::ElementTree& tree_;
  const std::vector<ShownMessageBox>& boxes_;
  int fd_;
  std::ostream& diagnostics_;
  Snapshot snapshot_;
  bool reading_ = true;
  static constexpr std::size_t kLongestLine = 1 << 20;
  std::string partial_;    // the start of a line whose end has not arrived yet
  bool skipping_ = false;  // the rest of an overlong line is still to come
};

}  // namespace tlj::headless
