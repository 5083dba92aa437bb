#include "headless/automation_channel.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "headless/atomic_file.h"
#include "headless/tree_json.h"

namespace tlj::headless {

AutomationChannel::AutomationChannel(platform::EventLoop& loop, posix::DescriptorWatcher& watcher,
                                     platform::ElementTree& tree,
                                     const std::vector<ShownMessageBox>& boxes, int fd,
                                     std::ostream& diagnostics, Snapshot snapshot)
    : loop_(loop),
      watcher_(watcher),
      tree_(tree),
      boxes_(boxes),
      fd_(fd),
      diagnostics_(diagnostics),
      snapshot_(std::move(snapshot)) {
  watcher_.Watch(fd_, POLLIN, [this](short revents) { OnReadable(revents); });
}

AutomationChannel::~AutomationChannel() {
  StopReading();
}

void AutomationChannel::StopReading() {
  if (!reading_) return;
  reading_ = false;
  watcher_.Unwatch(fd_);
}

// One read per wake-up: the descriptor is shared with whoever started us and stays blocking.
void AutomationChannel::OnReadable(short revents) {
  if ((revents & POLLNVAL) != 0) {
    StopReading();
    return;
  }
  char chunk[4096];
  const ssize_t n = ::read(fd_, chunk, sizeof chunk);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (n <= 0) {
    // The last line may come without its newline.
    if (!partial_.empty() && !skipping_) TakeLine(std::exchange(partial_, {}));
    StopReading();
    return;
  }
  partial_.append(chunk, static_cast<std::size_t>(n));
  std::size_t start = 0;
  for (auto end = partial_.find('\n'); end != std::string::npos; end = partial_.find('\n', start)) {
    if (!std::exchange(skipping_, false))
      TakeLine(std::string_view(partial_).substr(start, end - start));
    start = end + 1;
  }
  partial_.erase(0, start);
  // A line that never ends must not take all memory: drop it.
  if (partial_.size() > kLongestLine) {
    diagnostics_ << "automation: line longer than " << kLongestLine << " bytes ignored"
                 << std::endl;
    partial_.clear();
    skipping_ = true;
  }
}

void AutomationChannel::TakeLine(std::string_view line) {
  ParsedLine parsed = ParseAutomationLine(line);
  if (!parsed.error.empty()) diagnostics_ << "automation: " << parsed.error << std::endl;
  if (!parsed.command) return;
  loop_.Post([this, command = std::move(*parsed.command)] { Execute(command); });
}

void AutomationChannel::Execute(const AutomationCommand& command) {
  if (command.kind == AutomationCommand::Kind::Dump) {
    try {
      WriteFileAtomically(command.path, JsonText(DumpToJson(tree_, boxes_)));
    } catch (const std::runtime_error& error) {
      diagnostics_ << "automation: dump: " << error.what() << std::endl;
    }
    return;
  }
  if (command.kind == AutomationCommand::Kind::Snapshot) {
    if (!snapshot_) {
      diagnostics_ << "automation: snapshot needs the desktop" << std::endl;
    } else if (const std::string error = snapshot_(command.event.window, command.path);
               !error.empty()) {
      diagnostics_ << "automation: snapshot: " << error << std::endl;
    }
    return;
  }
  const platform::ElementEvent& event = command.event;
  platform::Element* element =
      event.name.empty() ? nullptr : tree_.Find(event.window, event.name, event.index);
  const bool exists =
      event.name.empty() ? tree_.FindWin(event.window) != nullptr : element != nullptr;
  if (!exists) {
    diagnostics_ << "automation: no " << (event.name.empty() ? "window " : "element ")
                 << event.window;
    if (!event.name.empty()) diagnostics_ << '.' << event.name;
    if (event.index) diagnostics_ << '(' << *event.index << ')';
    diagnostics_ << std::endl;
    return;
  }
  if (command.kind == AutomationCommand::Kind::Focus) {
    tree_.SetFocus({event.window, event.name, event.index});
    return;
  }
  if (event.kind == platform::EventKind::Change) element->caption = event.text;
  tree_.Fire(event);
}

}  // namespace tlj::headless
