#include "core/net/channels.h"

#include "core/model/turn_state.h"
#include "core/platform/services.h"

namespace tlj::net {
namespace {

constexpr platform::TimeMs kSecondMs = 1000;

// Tick periods of the tick-counted channels; 0 for channels that keep no count (unused, or
// timed by the clock), whose counters therefore stay at 0.
constexpr std::array<int, kPumpChannels> kPeriod{1, 2, 4, 8, 0, 2, 0, 0, 0, 20};

// Clock time of the last step of the channels timed by the clock (6 and 7).
std::array<platform::TimeMs, kPumpChannels> last_second_step{};

}  // namespace

void ArmChannel(int k) {
  PumpArmed[k] = true;
  PumpTicks[k] = 0;
}

void DisarmChannel(int k) {
  PumpArmed[k] = false;
  PumpTicks[k] = 0;
}

void DisarmAllChannels() {
  PumpArmed.fill(false);
  PumpTicks[kLinkWatchChannel] = 0;
}

void CountTick() {
  for (int k = 0; k < kPumpChannels; ++k)
    if (kPeriod[k] > 0) ++PumpTicks[k];
}

bool ChannelDue(int k) {
  return PumpArmed[k] && PumpTicks[k] >= kPeriod[k];
}

void WrapCounters() {
  for (int k = 0; k < kPumpChannels; ++k)
    if (PumpTicks[k] >= kPeriod[k]) PumpTicks[k] = 0;
}

bool SecondChannelDue(int k) {
  if (!PumpArmed[k] || !model::g_bGameActive) return false;
  const platform::TimeMs now = platform::Sys().loop->Now();
  if (now - last_second_step[k] < kSecondMs) return false;
  last_second_step[k] = now;
  return true;
}

void ResetChannels() {
  PumpArmed.fill(false);
  PumpTicks.fill(0);
  last_second_step.fill(-kSecondMs);
}

}  // namespace tlj::net
