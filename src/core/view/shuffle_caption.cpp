#include "core/view/shuffle_caption.h"

#include "core/game/shuffle_state.h"
#include "core/view/ui.h"

namespace tlj::view {
namespace {

platform::Timer TimerShuffle;

void TimerShuffle_Timer() {
  using game::g_iShuffleStep;
  El("LblShuffle").caption = game::g_sShuffleText.at(g_iShuffleStep);
  g_iShuffleStep = static_cast<std::int16_t>(g_iShuffleStep >= 3 ? 0 : g_iShuffleStep + 1);
}

}  // namespace

void CreateShuffleTimer() {
  TimerShuffle = platform::Timer(*platform::Sys().loop, TimerShuffle_Timer);
}

void DestroyShuffleTimer() {
  TimerShuffle = platform::Timer();
}

void StartShuffleCaption() {
  El("LblShuffle").caption = game::g_sShuffleText[0];
  game::g_iShuffleStep = 0;
  TimerShuffle.SetInterval(300);
  TimerShuffle.SetEnabled(true);
}

void StopShuffleCaption() {
  if (TimerShuffle.Enabled()) TimerShuffle.SetEnabled(false);
}

bool ShuffleCaptionRunning() {
  return TimerShuffle.Enabled();
}

}  // namespace tlj::view
