#include "tools/server/bot_player.h"

namespace tlj::server {
namespace {

// Below this many ranks between the gates a bot does not bet.
constexpr int kNarrowestBet = 5;
constexpr int kWideGate = 9;

struct Share {
  Coins low_percent;
  Coins high_percent;
};

Share StakeShare(int gap) {
  if (gap >= kWideGate) return {40, 100};
  if (gap >= 7) return {10, 40};
  return {0, 10};
}

}  // namespace

BetChoice ChooseBet(const TurnOffer& offer, Random& random) {
  const int gap = Gap(offer.gate0, offer.gate1);
  if (offer.max_bet < offer.min_bet || offer.min_bet <= 0 || gap < kNarrowestBet) return {};
  if (offer.phase == kPhaseHotPot && gap >= kWideGate && offer.hot_pot >= offer.min_bet &&
      offer.hot_pot <= offer.max_bet && random.OneIn(3)) {
    return {offer.hot_pot, true};
  }
  const Coins range = offer.max_bet - offer.min_bet;
  const Share share = StakeShare(gap);
  const Coins low = offer.min_bet + range * share.low_percent / 100;
  const Coins high = offer.min_bet + range * share.high_percent / 100;
  return {random.Between(low, high), false};
}

}  // namespace tlj::server
