#pragma once
// The loop backend on the machine's monotonic clock: waits in poll() on the watched file
// descriptors, so an idle client uses no CPU between its timers.

#include <cstddef>
#include <map>

#include "core/platform/event_loop.h"
#include "posix/descriptor_watcher.h"

namespace tlj::posix {

class PollBackend : public platform::LoopBackend, public DescriptorWatcher {
 public:
  platform::TimeMs Now() const override;
  bool WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) override;
  void SleepUntil(platform::TimeMs deadline) override;

  // The handlers run from inside WaitForEvents.
  void Watch(int fd, short events, ReadyHandler handler) override;
  void SetEvents(int fd, short events) override;
  void Unwatch(int fd) override;
  std::size_t WatchedCount() const { return watched_.size(); }

 private:
  struct Watched {
    short events = 0;
    ReadyHandler handler;
  };
  std::map<int, Watched> watched_;
};

}  // namespace tlj::posix
