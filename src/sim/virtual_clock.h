#pragma once
// The loop backend on a virtual clock: waiting moves the clock straight to the deadline, so a
// whole game plays in milliseconds and every timing rule can be checked exactly.

#include "core/platform/event_loop.h"

namespace tlj::sim {

class VirtualClock : public platform::LoopBackend {
 public:
  explicit VirtualClock(platform::TimeMs start = 0) : now_(start) {}
  platform::TimeMs Now() const override { return now_; }
  bool WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) override;
  void SleepUntil(platform::TimeMs deadline) override;

 private:
  platform::TimeMs now_;
};

}  // namespace tlj::sim
