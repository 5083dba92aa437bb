#pragma once
// The seat-change notice: its picture, its cycling caption and the advertisement panel.

namespace tlj::view {

// Shows the notice and starts its caption cycle.
void ShowShuffleNotice();
// Shows the notice announced at the end of the last hand, when the next game is due and the
// server said seats will change.
void ShowPendingShuffleNotice();
// Hides the notice, stops its caption cycle and clears its flags.
void HideShuffleNotice();

}  // namespace tlj::view
