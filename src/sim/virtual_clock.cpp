#include "sim/virtual_clock.h"

#include <algorithm>

namespace tlj::sim {

bool VirtualClock::WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) {
  if (loop.HasPendingEvents()) return true;
  if (deadline == platform::kForever) return false;
  now_ = std::max(now_, deadline);
  return true;
}

void VirtualClock::SleepUntil(platform::TimeMs deadline) {
  now_ = std::max(now_, deadline);
}

}  // namespace tlj::sim
