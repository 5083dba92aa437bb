#include "tools/server/alarm.h"

#include <utility>

namespace tlj::server {

void Alarm::Start(platform::TimeMs delay, std::function<void()> action) {
  timer_.SetEnabled(false);
  action_ = std::move(action);
  timer_.SetInterval(delay);
  timer_.SetEnabled(true);
}

void Alarm::Stop() {
  timer_.SetEnabled(false);
  action_ = nullptr;
}

void Alarm::Fire() {
  timer_.SetEnabled(false);
  // The action may start this alarm again.
  auto action = std::exchange(action_, nullptr);
  if (action) action();
}

}  // namespace tlj::server
