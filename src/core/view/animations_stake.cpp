#include "core/view/animations.h"
#include "core/view/animations_coins.h"
#include "core/view/layout.h"
#include "core/view/random.h"
#include "core/view/sound.h"
#include "core/view/waits.h"

namespace tlj::view {
namespace {

using coins::kPotX;
using coins::kPotY;
using coins::RoundEven;

// Past this many coins on the table, the coins of the stake that went past are dropped before
// the next stake, so the table never holds much more.
constexpr int kCoinsKept = 100;

CoinTarget DrawTarget(const coins::SeatPath& path) {
  const int i = RandomInt(path.i_lo, path.i_hi);
  const int k = RandomInt(path.k_lo, path.k_hi);
  const int dx = RoundEven(1.5 * LayoutScale * i);
  const int dy = RoundEven(1.5 * LayoutScale * k);
  return {RoundEven(LayoutScale * (kPotX + dx)), RoundEven(LayoutScale * (kPotY + dy))};
}

// Each new coin restarts the sound.
void PlayCoinSound() {
  if (!g_bSound) return;
  InitSound();
  StopSound();
  PlaySoundFile(g_sSoundPath + "coin_move.wav", false);
  SetSoundVolume(3000);
}

struct Flying {
  int index;
  int denomination;
  bool arrived = false;
};

// Moves a coin on by pass pixels (times the scale), straight at its target, so that coins speed
// up as the passes go; once it has reached its target on the main axis it settles. Returns
// whether it has arrived.
bool FlyStep(const Flying& flying, const coins::SeatPath& path, int pass) {
  auto& coin = coins::Coin(flying.index);
  const CoinTarget& target = CoinTargets[flying.index];
  double& along = coins::Along(coin, path.vertical);
  double& across = coins::Across(coin, path.vertical);
  const double ahead = ((path.vertical ? target.y : target.x) - along) * path.to_pot;
  if (ahead > 0) {
    const double slope = ((path.vertical ? target.x : target.y) - across) / ahead;
    const double step = pass * LayoutScale;
    along = RoundEven(along + path.to_pot * step);
    across = RoundEven(across + slope * step);
    PauseSeconds(0.01);
    coins::DrawRandomFrame(coin, flying.denomination);
    return false;
  }
  const double settle = RandomInt(path.settle_lo, path.settle_hi) * LayoutScale;
  coin.left = RoundEven(coin.left + settle);
  coin.top = RoundEven(coin.top + settle);
  coins::DrawRandomFrame(coin, flying.denomination);
  return true;
}

}  // namespace

void StakeFlight(int pos, double amount) {
  if (!coins::IsScreenPosition(pos)) return;
  const coins::SeatPath& path = coins::PathOf(pos);
  const std::vector<int> split = SplitCoins(amount);
  const int count = static_cast<int>(split.size());

  if (CoinOverflow > 0 && CoinsOnTable > kCoinsKept) coins::DeleteCoinsFrom(kCoinsKept + 1);
  if (CoinsOnTable + count > kCoinsKept) CoinOverflow = static_cast<std::int16_t>(count);

  std::vector<Flying> flight;
  for (const int denomination : split) {
    auto& coin = coins::NewCoin(DrawTarget(path));
    coin.left = RoundEven(LayoutScale * path.anchor_x);
    coin.top = RoundEven(LayoutScale * path.anchor_y);
    flight.push_back({CoinsOnTable, denomination});
    PlayCoinSound();
  }

  int arrived = 0;
  for (int pass = 1; arrived < count; ++pass) {
    for (auto flying = flight.rbegin(); flying != flight.rend(); ++flying) {  // newest first
      if (flying->arrived) continue;
      flying->arrived = FlyStep(*flying, path, pass);
      if (flying->arrived) ++arrived;
    }
  }
}

}  // namespace tlj::view
