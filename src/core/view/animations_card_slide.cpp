#include "core/model/elements.h"
#include "core/view/animations.h"
#include "core/view/animations_coins.h"
#include "core/view/waits.h"

namespace tlj::view {
namespace {

constexpr int kCards = 12;  // imgDiPai(0..11)
constexpr int kSteps = 5;

}  // namespace

void CardSlide(int card, int fromLeft, int fromTop, int toLeft, int toTop, bool pump) {
  if (card < 0 || card >= kCards) return;
  for (int r = 0; r <= kSteps; ++r) {
    auto& element = model::El("imgDiPai", card);  // looked up each step: it shows the move
    element.left = coins::RoundEven(fromLeft + (toLeft - fromLeft) * r / double{kSteps});
    element.top = coins::RoundEven(fromTop + (toTop - fromTop) * r / double{kSteps});
    WaitMs(50, pump);
  }
}

}  // namespace tlj::view
