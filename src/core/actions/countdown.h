#pragma once
// The turn countdown on pump channel 6: one step a second; at the end, a give-up for the user.

namespace tlj::actions {

// Called by the pump on every tick.
void CountdownTick();

}  // namespace tlj::actions
