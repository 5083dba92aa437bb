// The automation channel's commands as a person or a script types them on standard input: the
// input is the text, written into the channel's descriptor a few bytes at a time (so lines
// arrive in pieces), each command then carried out on a client seated at a full table during
// the user's turn, in virtual time. A dump goes to a scratch file, wherever the line asks.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/seated_table.h"
#include "headless/automation.h"
#include "headless/automation_channel.h"
#include "headless/stderr_message_boxes.h"
#include "posix/descriptor_watcher.h"
#include "sim/client_harness.h"
#include "sim/temp_dir.h"

namespace {

using namespace tlj;

constexpr std::size_t kPieceBytes = 64;
constexpr platform::TimeMs kPieceMs = 100;
constexpr platform::TimeMs kAfterLastMs = 2000;

// Hands the channel its descriptor's readiness when the target says so.
class ManualWatcher : public posix::DescriptorWatcher {
 public:
  void Watch(int fd, short, ReadyHandler handler) override { handlers_[fd] = std::move(handler); }
  void SetEvents(int, short) override {}
  void Unwatch(int fd) override { handlers_.erase(fd); }
  void Ready(int fd) {
    if (const auto it = handlers_.find(fd); it != handlers_.end()) it->second(POLLIN);
  }

 private:
  std::map<int, ReadyHandler> handlers_;
};

// The input with every dump sent to `path`: a line the channel would take as a dump becomes
// one to the scratch file.
std::string WithDumpsTo(std::string_view input, const std::string& path) {
  std::string out;
  while (!input.empty()) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    const std::string_view line = input.substr(0, end);
    const auto parsed = headless::ParseAutomationLine(line);
    const bool dump =
        parsed.command && parsed.command->kind == headless::AutomationCommand::Kind::Dump;
    out += dump ? "dump " + path : std::string(line);
    if (end < input.size()) out += '\n';
    input.remove_prefix(std::min(end + 1, input.size()));
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const sim::TempDir scratch;
  const std::string text = WithDumpsTo({reinterpret_cast<const char*>(data), size},
                                       (scratch.path() / "tree.json").string());
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return 0;
  {
    sim::ClientHarness h;
    fuzz::SitDownToAHand(h);
    ManualWatcher watcher;
    const std::vector<headless::ShownMessageBox> boxes;
    std::ostringstream diagnostics;
    headless::AutomationChannel channel(h.loop, watcher, h.tree, boxes, fds[0], diagnostics);
    for (std::size_t at = 0; at < text.size() && !h.Ended(); at += kPieceBytes) {
      const std::size_t n = std::min(kPieceBytes, text.size() - at);
      if (::write(fds[1], text.data() + at, n) != static_cast<ssize_t>(n)) break;
      watcher.Ready(fds[0]);
      h.RunFor(kPieceMs);
    }
    ::close(fds[1]);
    watcher.Ready(fds[0]);  // the end of the input, and a last line without its newline
    h.RunFor(kAfterLastMs);
  }
  ::close(fds[0]);
  return 0;
}
