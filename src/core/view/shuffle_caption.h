#pragma once
// The seat-change notice's caption cycle, driven by TimerShuffle.

namespace tlj::view {

void CreateShuffleTimer();
void DestroyShuffleTimer();
// Shows g_sShuffleText(0) and starts the cycle (300 ms per step).
void StartShuffleCaption();
void StopShuffleCaption();
bool ShuffleCaptionRunning();

}  // namespace tlj::view
