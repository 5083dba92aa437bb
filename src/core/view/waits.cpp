#include "core/view/waits.h"

#include <cmath>

#include "core/platform/services.h"

namespace tlj::view {

void PauseSeconds(double s) {
  auto& loop = *platform::Sys().loop;
  // Halves go to the even neighbour, so the tiny pauses of 0.5 ms and less wait nothing.
  loop.SleepUntil(loop.Now() + static_cast<platform::TimeMs>(std::nearbyint(s * 1000)));
}

void WaitMs(long ms, bool pump) {
  auto& loop = *platform::Sys().loop;
  const platform::TimeMs deadline = loop.Now() + ms;
  if (pump) {
    loop.ProcessEventsUntil(deadline);
  } else {
    loop.SleepUntil(deadline);
  }
}

void WaitSeconds(double s) {
  // "More than s seconds": the first millisecond past the mark. A clock that restarts at
  // midnight would make this wait hang for a day; the loop's clock never restarts.
  auto& loop = *platform::Sys().loop;
  loop.ProcessEventsUntil(loop.Now() + std::llround(std::floor(s * 1000)) + 1);
}

}  // namespace tlj::view
