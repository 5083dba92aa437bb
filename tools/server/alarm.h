#pragma once
// A one-shot timer on the event loop: runs its action once, `delay` after it was started.

#include <functional>

#include "core/platform/event_loop.h"

namespace tlj::server {

class Alarm {
 public:
  explicit Alarm(platform::EventLoop& loop) : timer_(loop, [this] { Fire(); }) {}
  Alarm(const Alarm&) = delete;
  Alarm& operator=(const Alarm&) = delete;

  // Replaces whatever was set before.
  void Start(platform::TimeMs delay, std::function<void()> action);
  void Stop();
  bool Running() const { return timer_.Enabled(); }

 private:
  void Fire();

  platform::Timer timer_;
  std::function<void()> action_;
};

}  // namespace tlj::server
