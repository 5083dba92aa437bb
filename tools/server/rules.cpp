#include "tools/server/rules.h"

#include <algorithm>
#include <cstdlib>

namespace tlj::server {
namespace {

std::string Numeral(int n) {
  static constexpr std::array<const char*, 10> kDigits = {"",   "一", "二", "三", "四",
                                                          "五", "六", "七", "八", "九"};
  if (n < 10) return kDigits[static_cast<std::size_t>(n)];
  const std::string tens = n < 20 ? "" : kDigits[static_cast<std::size_t>(n / 10)];
  return tens + "十" + kDigits[static_cast<std::size_t>(n % 10)];
}

}  // namespace

Coins MinBet(Coins initial_pot) {
  return (initial_pot * kMinBetPercent + 99) / 100;
}

Coins MaxBet(Coins pot, Coins coins) {
  return std::max<Coins>(0, std::min(pot, coins));
}

Coins HotPotAmount(Coins pot, Coins initial_pot, Coins min_bet) {
  return std::max(pot - initial_pot + 1, min_bet);
}

int Phase(Coins pot, Coins initial_pot, Coins min_bet, Coins max_bet) {
  const bool grown = pot > initial_pot;
  return grown && HotPotAmount(pot, initial_pot, min_bet) <= max_bet ? kPhaseHotPot : kPhaseFree;
}

int Gap(Card gate0, Card gate1) {
  return std::abs(gate0.rank - gate1.rank) - 1;
}

Outcome Judge(Card gate0, Card gate1, Card third) {
  if (third.rank == gate0.rank || third.rank == gate1.rank) return Outcome::kPost;
  const int low = std::min(gate0.rank, gate1.rank);
  const int high = std::max(gate0.rank, gate1.rank);
  return third.rank > low && third.rank < high ? Outcome::kWon : Outcome::kLost;
}

Coins LossPayment(Outcome outcome, Coins stake, Coins coins) {
  const Coins owed = outcome == Outcome::kPost ? 2 * stake : stake;
  return std::clamp<Coins>(owed, 0, std::max<Coins>(coins, 0));
}

int LevelOf(Coins coins) {
  return static_cast<int>(
      std::clamp<Coins>(1 + std::max<Coins>(coins, 0) / kCoinsPerLevel, 1, kMaxLevel));
}

std::string LevelTitle(int level) {
  return "第" + Numeral(std::clamp(level, 1, kMaxLevel)) + "级";
}

Coins TableFee(Coins total) {
  return total * kFeePercent / 100;
}

std::array<Coins, 4> SharePot(Coins pot) {
  const Coins share = std::max<Coins>(pot, 0) / 4;
  std::array<Coins, 4> shares;
  shares.fill(share);
  shares[0] += std::max<Coins>(pot, 0) - 4 * share;
  return shares;
}

Settlement Settle(Coins start, Coins now, Coins returned) {
  Settlement s;
  s.returned = returned;
  const Coins net = now - start;
  s.total = net < 0 ? -net : net;
  s.coins_after = now;
  if (net > 0) {
    s.result = GameResult::kWon;
    s.fee = TableFee(s.total);
    s.final_amount = s.total - s.fee;
    s.coins_after = now - s.fee;
  } else if (net < 0) {
    s.result = GameResult::kLost;
    s.final_amount = s.total;
  }
  return s;
}

}  // namespace tlj::server
