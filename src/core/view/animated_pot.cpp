#include "core/view/animated_pot.h"

#include "core/model/elements.h"
#include "core/platform/services.h"
#include "core/view/anigif/table_controls.h"
#include "core/view/waits.h"

namespace tlj::view {
namespace {

constexpr int kAnimatedPotId = 876;

platform::Timer trmForUc;

void trmForUc_Timer() {
  trmForUc.SetEnabled(false);
  anigif::Control* pot = anigif::FindTablePotControl();
  const auto bytes =
      platform::Sys().store ? platform::Sys().store->Get("GIF", kAnimatedPotId) : std::nullopt;
  if (pot == nullptr || !bytes) return;
  pot->SetVisible(true);
  pot->LoadAnimatedGIF_Array(*bytes);
}

}  // namespace

void CreateAnimatedPotTimer() {
  trmForUc = platform::Timer(*platform::Sys().loop, trmForUc_Timer);
  trmForUc.SetInterval(1);
}

void DestroyAnimatedPotTimer() {
  trmForUc = platform::Timer();
}

void PlayAnimatedPot() {
  trmForUc.SetEnabled(true);
  WaitSeconds(1.5);
  HideAnimatedPot();
}

void HideAnimatedPot() {
  if (anigif::Control* pot = anigif::FindTablePotControl()) pot->SetVisible(false);
  model::El("ucBuGuo").visible = false;
}

}  // namespace tlj::view
