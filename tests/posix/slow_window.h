#pragma once
// A lobby window that reads nothing until the sender has had to hold messages back, and then
// reads everything that reaches it.

#include <gtest/gtest.h>
#include <poll.h>

#include <cstddef>
#include <functional>
#include <ostream>
#include <vector>

#include "posix/bound_window.h"
#include "posix/descriptor_watcher.h"
#include "posix/window_message.h"

namespace tlj::posix {

// For the tests' messages about messages: "22 5 0" rather than bytes.
inline void PrintTo(const WindowMessage& message, std::ostream* out) {
  *out << FormatWindowMessage(message);
}

}  // namespace tlj::posix

namespace tlj::posix::testing {

// Posts numbered messages through `post` until `waiting` says that the sender holds some back
// (the window's socket has no room), then `more` besides; gives what was posted, in order.
inline std::vector<WindowMessage> PostPastAFullQueue(
    const std::function<bool(const WindowMessage&)>& post,
    const std::function<std::size_t()>& waiting, int more) {
  std::vector<WindowMessage> posted;
  const auto post_next = [&] {
    posted.push_back({22, static_cast<long>(posted.size()), 0});
    if (post(posted.back())) return true;
    ADD_FAILURE() << "message " << posted.size() - 1 << " was refused";
    return false;
  };
  while (waiting() == 0 && posted.size() < 100'000) {
    if (!post_next()) return posted;
  }
  EXPECT_GT(waiting(), 0u) << "the window's socket never filled";
  for (int i = 0; i < more; ++i) {
    if (!post_next()) break;
  }
  return posted;
}

// Collects what reaches `window` whenever `watcher` finds it readable.
class WindowReader {
 public:
  WindowReader(DescriptorWatcher& watcher, BoundWindow& window)
      : watcher_(watcher), fd_(window.Fd()) {
    watcher_.Watch(fd_, POLLIN, [this, &window](short) {
      for (const WindowMessage& m : window.TakePending()) read.push_back(m);
    });
  }
  ~WindowReader() { watcher_.Unwatch(fd_); }
  WindowReader(const WindowReader&) = delete;
  WindowReader& operator=(const WindowReader&) = delete;

  std::vector<WindowMessage> read;

 private:
  DescriptorWatcher& watcher_;
  int fd_;
};

}  // namespace tlj::posix::testing
