#pragma once
// The animated pot: when the pot is mended, ucBuGuo plays picture 876 for a moment.

namespace tlj::view {

void CreateAnimatedPotTimer();
void DestroyAnimatedPotTimer();

// Starts the pot on trmForUc's next tick, lets it play for 1.5 s (handling other events) and
// hides it again.
void PlayAnimatedPot();
// Hides ucBuGuo; a hidden pot does not go on playing.
void HideAnimatedPot();

}  // namespace tlj::view
