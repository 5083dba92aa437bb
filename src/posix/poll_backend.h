#pragma once
// The loop backend on the machine's monotonic clock: waits in poll() on the watched file
// descriptors, so an idle client uses no CPU between its timers.

#include <cstddef>
#include <functional>
#include <map>

#include "core/platform/event_loop.h"

namespace tlj::posix {

class PollBackend : public platform::LoopBackend {
 public:
  // Called from inside the wait when the descriptor is ready; it should read what is there and
  // post the resulting events to the loop, not run logic itself.
  using ReadyHandler = std::function<void(short revents)>;

  platform::TimeMs Now() const override;
  bool WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) override;
  void SleepUntil(platform::TimeMs deadline) override;

  void Watch(int fd, short events, ReadyHandler handler);
  // Changes what a watched descriptor waits for; nothing happens when it is not watched.
  void SetEvents(int fd, short events);
  void Unwatch(int fd);
  std::size_t WatchedCount() const { return watched_.size(); }

 private:
  struct Watched {
    short events = 0;
    ReadyHandler handler;
  };
  std::map<int, Watched> watched_;
};

}  // namespace tlj::posix
