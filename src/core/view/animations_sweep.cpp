#include <array>

#include "core/model/elements.h"
#include "core/view/animations.h"
#include "core/view/animations_coins.h"
#include "core/view/layout.h"
#include "core/view/random.h"
#include "core/view/waits.h"

namespace tlj::view {
namespace {

using coins::RoundEven;

constexpr int kVisibleInSweep = 30;  // drawing more would slow the sweep down
// Up to this many coins, each step pauses: a few coins alone would cross in no time.
constexpr int kPausedSweepCoins = 19;
constexpr int kWinCoins = 10;
// VImgCoin(1..10) in the win flight, and VImgCoin(1..4) in the handful it ends with.
constexpr std::array<int, kWinCoins> kWinDenominations = {5, 5, 10, 10, 50, 100, 50, 20, 20, 10};
constexpr std::array<int, 4> kWinHandful = {5, 10, 20, 10};

// Moves a coin one step from the pot towards the player at the end of `path`, aiming past him;
// false, without moving it, once it has reached his stop line.
bool SweepStep(platform::Element& coin, const coins::SeatPath& path) {
  const int to_winner = -path.to_pot;
  double& along = coins::Along(coin, path.vertical);
  double& across = coins::Across(coin, path.vertical);
  if ((along - LayoutScale * path.stop) * to_winner >= 0) return false;
  // Short of the stop line, a coin is more than 150 design pixels short of the aim.
  const double aim_along = LayoutScale * (path.vertical ? path.aim_y : path.aim_x);
  const double aim_across = LayoutScale * (path.vertical ? path.aim_x : path.aim_y);
  const double slope = (aim_across - across) / ((aim_along - along) * to_winner);
  const double step = RoundEven(50 * LayoutScale) * LayoutScale;
  along = RoundEven(along + to_winner * step);
  across = RoundEven(across + slope * step);
  return true;
}

}  // namespace

void SweepPot(int pos) {
  if (!coins::IsScreenPosition(pos)) return;
  const coins::SeatPath& path = coins::PathOf(pos);
  for (int index = kVisibleInSweep + 1; index <= CoinsOnTable; ++index)
    coins::Coin(index).visible = false;
  for (bool moved = true; moved;) {
    moved = false;
    for (int index = CoinsOnTable; index >= 1; --index) {
      if (!SweepStep(coins::Coin(index), path)) continue;
      moved = true;
      if (CoinsOnTable <= kPausedSweepCoins) PauseSeconds(0.001);
    }
  }
}

void WinFlight(int pos) {
  if (!coins::IsScreenPosition(pos)) return;
  const coins::SeatPath& path = coins::PathOf(pos);
  for (int n = 1; n <= kWinCoins; ++n) {
    auto& coin = model::El("VImgCoin", n);
    coin.width = coin.height = coins::CoinSize();
    coin.stretch = false;
    coins::DrawRandomFrame(coin, kWinDenominations[n - 1]);
    const int i = RandomInt(-35, 34);
    const int k = RandomInt(-25, 25);
    coin.left = RoundEven(LayoutScale * (coins::kPotX + 1.5 * i));
    coin.top = RoundEven(LayoutScale * (coins::kPotY + 1.5 * k));
    coin.visible = true;
    model::BringToFront(coin);
  }
  for (bool moved = true; moved;) {
    moved = false;
    for (int n = kWinCoins; n >= 1; --n) {
      auto& coin = model::El("VImgCoin", n);
      if (!SweepStep(coin, path)) continue;
      coins::DrawRandomFrame(coin, kWinDenominations[n - 1]);
      moved = true;
    }
    if (moved) PauseSeconds(0.001);
  }
  for (int n = 1; n <= 4; ++n) {
    auto& coin = model::El("VImgCoin", n);
    coins::DrawRandomFrame(coin, kWinHandful[n - 1]);
    model::BringToFront(coin);
  }
  PauseSeconds(1);
}

}  // namespace tlj::view
