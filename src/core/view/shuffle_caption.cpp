#include "core/view/shuffle_caption.h"

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"

namespace tlj::view {
namespace {

platform::Timer TimerShuffle;

void TimerShuffle_Timer() {
  using model::g_iShuffleStep;
  model::El("LblShuffle").caption = model::g_sShuffleText.at(g_iShuffleStep);
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
  model::El("LblShuffle").caption = model::g_sShuffleText[0];
  model::g_iShuffleStep = 0;
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
