#pragma once
// How a server-side bot answers a turn.

#include "tools/server/cards.h"
#include "tools/server/random.h"
#include "tools/server/rules.h"

namespace tlj::server {

struct BetChoice {
  Coins stake = 0;  // 0: give up
  bool hot_pot = false;
};

// Gives up on a narrow gate and stakes more the wider it is; now and then, on a wide gate, a
// hot-pot buy. Always within the offer's bounds.
BetChoice ChooseBet(const TurnOffer& offer, Random& random);

}  // namespace tlj::server
