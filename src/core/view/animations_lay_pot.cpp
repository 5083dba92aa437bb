#include "core/view/animations.h"
#include "core/view/animations_coins.h"
#include "core/view/layout.h"
#include "core/view/random.h"

namespace tlj::view {

void LayPot(double amount) {
  using coins::RoundEven;
  DeleteAllCoins();
  for (const int denomination : SplitCoins(amount)) {
    const int k = RandomInt(-50, 50);
    const int i = RandomInt(-25, 25);
    const CoinTarget spot = {
        RoundEven(LayoutScale * coins::kPotX + RoundEven(1.5 * LayoutScale * i)),
        RoundEven(LayoutScale * coins::kPotY + RoundEven(1.5 * LayoutScale * k))};
    // A laid coin is already where it belongs: its target is its place.
    auto& coin = coins::NewCoin(spot);
    coins::DrawCoin(coin, denomination, 0);
    coin.left = spot.x;
    coin.top = spot.y;
  }
}

}  // namespace tlj::view
