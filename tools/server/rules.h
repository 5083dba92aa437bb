#pragma once
// The table's arithmetic: bet bounds, the hot-pot buy, who wins a turn, what a loss costs,
// levels, the table fee and the shares of a pot given back.

#include <array>
#include <cstdint>
#include <string>

#include "tools/server/cards.h"

namespace tlj::server {

using Coins = std::int64_t;

inline constexpr int kPhaseHotPot = 1;  // a hot-pot buy is possible
inline constexpr int kPhaseFree = 2;    // the free buy-in stage
inline constexpr int kMaxLevel = 40;
inline constexpr Coins kCoinsPerLevel = 10000;
inline constexpr Coins kFeePercent = 5;
inline constexpr Coins kMinBetPercent = 5;

// 5 % of the initial pot, rounded up.
Coins MinBet(Coins initial_pot);
// The smaller of the pot and the player's coins.
Coins MaxBet(Coins pot, Coins coins);
// The pot's growth plus one, but never less than the min bet.
Coins HotPotAmount(Coins pot, Coins initial_pot, Coins min_bet);
// kPhaseHotPot when the pot has grown and a hot-pot buy fits under the max bet.
int Phase(Coins pot, Coins initial_pot, Coins min_bet, Coins max_bet);

// The number of ranks strictly between the two gate cards (ace counts 1); -1 for equal ranks.
int Gap(Card gate0, Card gate1);

enum class Outcome { kWon, kLost, kPost };
// Won when the third card's rank lies strictly between the gates; a rank equal to a gate's hits
// the post.
Outcome Judge(Card gate0, Card gate1, Card third);
// What a lost stake costs: the stake, twice the stake on the post, never more than `coins`.
Coins LossPayment(Outcome outcome, Coins stake, Coins coins);

// 1 + coins / 10000, at most 40.
int LevelOf(Coins coins);
// "第一级" .. "第四十级" (UTF-8).
std::string LevelTitle(int level);

// 5 % of a winner's total, rounded down.
Coins TableFee(Coins total);
// Equal shares in seat order; what the division leaves goes to the first seat.
std::array<Coins, 4> SharePot(Coins pot);

// What a turn offers the active player.
struct TurnOffer {
  Card gate0;
  Card gate1;
  Coins min_bet = 0;
  Coins max_bet = 0;
  int phase = kPhaseFree;
  Coins hot_pot = 0;  // the hot-pot amount; usable in kPhaseHotPot only
};

enum class GameResult { kEven = 0, kWon = 1, kLost = 2 };

struct Settlement {
  Coins returned = 0;  // pot given back over the game
  Coins total = 0;     // absolute net result of the game
  Coins final_amount = 0;
  GameResult result = GameResult::kEven;
  Coins coins_after = 0;
  Coins fee = 0;
};

// A player's game: `start` coins before the first ante, `now` coins with every pot share
// already added (`returned` of them).
Settlement Settle(Coins start, Coins now, Coins returned);

}  // namespace tlj::server
