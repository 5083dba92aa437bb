#pragma once
// The pump's channels: tick-driven timers of the table. Each pump tick advances the counters
// of the tick-counted channels; the tick's steps act on the channels that are due.

#include <array>

namespace tlj::net {

inline constexpr int kPumpChannels = 10;
inline constexpr int kSendChannel = 0;
inline constexpr int kReceiveChannel = 1;
inline constexpr int kLoginChannel = 2;
inline constexpr int kChatBlinkChannel = 3;
inline constexpr int kLinkWatchChannel = 5;  // its armed flag is Disconnect_Flag
inline constexpr int kTurnCountdownChannel = 6;
inline constexpr int kReadyCountdownChannel = 7;
inline constexpr int kBubbleChannel = 9;

inline std::array<bool, kPumpChannels> PumpArmed{};
inline std::array<int, kPumpChannels> PumpTicks{};
// The turn countdown runs while channel 6 is armed.
inline bool& g_bCountdownOn = PumpArmed[kTurnCountdownChannel];

// Arms channel k with its counter at 0, or disarms it.
void ArmChannel(int k);
void DisarmChannel(int k);
// Disarms every channel, the link watch's counter back to 0.
void DisarmAllChannels();

// The start of a tick: every tick-counted channel's counter goes up by one.
void CountTick();
// Armed, and its counter has reached the channel's period.
bool ChannelDue(int k);
// The end of a tick: a counter that has reached its period goes back to 0, armed or not, so
// none grows past it.
void WrapCounters();

// For the channels timed by the clock (6 and 7): armed, the user plays, and a second has
// passed since the channel's last step, which is then taken to be now.
bool SecondChannelDue(int k);

// Every channel disarmed with its counter at 0; the clock-timed channels due at once.
void ResetChannels();

}  // namespace tlj::net
