#pragma once
// A descriptor watcher that is not the poll loop, as another front end's loop would be: it
// polls the watched descriptors only when the test says so.

#include <poll.h>

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "posix/descriptor_watcher.h"

namespace tlj::posix::testing {

class HandWatcher : public DescriptorWatcher {
 public:
  void Watch(int fd, short events, ReadyHandler handler) override {
    watched_[fd] = {events, std::move(handler)};
  }
  void SetEvents(int fd, short events) override {
    if (const auto it = watched_.find(fd); it != watched_.end()) it->second.events = events;
  }
  void Unwatch(int fd) override { watched_.erase(fd); }
  std::size_t WatchedCount() const { return watched_.size(); }

  // Waits up to `timeout_ms` for watched descriptors to be ready and runs their handlers; false
  // when none was.
  bool DispatchReady(int timeout_ms) {
    std::vector<pollfd> fds;
    for (const auto& [fd, w] : watched_) fds.push_back({fd, w.events, 0});
    if (::poll(fds.data(), fds.size(), timeout_ms) <= 0) return false;
    for (const pollfd& p : fds) {
      const auto it = watched_.find(p.fd);
      if (p.revents == 0 || it == watched_.end()) continue;
      const ReadyHandler handler = it->second.handler;  // it may unwatch itself
      handler(p.revents);
    }
    return true;
  }

 private:
  struct Watched {
    short events = 0;
    ReadyHandler handler;
  };
  std::map<int, Watched> watched_;
};

}  // namespace tlj::posix::testing
