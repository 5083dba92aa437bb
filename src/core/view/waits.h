#pragma once
// The three waits used inside handlers. Those that pump let other events be handled meanwhile
// (never a pump tick: the pump disables itself for the length of its tick).

namespace tlj::view {

// Blocks for s seconds (rounded to whole milliseconds); nothing is handled meanwhile.
void PauseSeconds(double s);
// Waits ms milliseconds, handling other events meanwhile when `pump` is true.
void WaitMs(long ms, bool pump);
// Waits until more than s seconds have passed, handling other events meanwhile.
void WaitSeconds(double s);

}  // namespace tlj::view
