#include "tools/lobby/turn_policy.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace tlj::lobby_tool {
namespace {

// A face picture is suit index × 16 + display rank 3..15 (J, Q, K, A, 2 after 10).
constexpr int kLowestRank = 3;
constexpr int kHighestRank = 15;
constexpr const char* kSuits[] = {"♦", "♣", "♥", "♠"};
constexpr const char* kRanks[] = {"3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", "2"};

// How many ranks lie strictly between the gate cards that a bet needs, by kind of bet.
constexpr int kGapForHotPot = 7;
constexpr int kGapForComposedBet = 7;
constexpr int kGapForMinimumBet = 4;

bool IsFace(int picture) {
  const int rank = picture % 16;
  return picture >= 0 && picture / 16 < 4 && rank >= kLowestRank && rank <= kHighestRank;
}

// The rank as dealt, the ace lowest: 1..13.
int CountedRank(int picture) {
  const int rank = picture % 16;
  return rank == 14 ? 1 : rank == 15 ? 2 : rank;
}

std::optional<long long> Amount(const std::string& caption) {
  long long value = 0;
  const auto [end, error] = std::from_chars(caption.data(), caption.data() + caption.size(), value);
  if (error != std::errc() || end != caption.data() + caption.size()) return std::nullopt;
  return value;
}

std::string Click(const std::string& element, int index) {
  return "click " + element + " " + std::to_string(index);
}

// The keypad clicks that compose `amount`: its digits, with the "00" key for trailing zeros.
std::vector<std::string> KeypadClicks(long long amount) {
  constexpr int kDoubleZeroKey = 10;
  std::string digits = std::to_string(amount);
  int double_zeros = 0;
  while (digits.size() > 2 && digits.ends_with("00")) {
    digits.resize(digits.size() - 2);
    ++double_zeros;
  }
  std::vector<std::string> clicks;
  for (char digit : digits) clicks.push_back(Click("ImgNum", digit - '0'));
  for (int i = 0; i < double_zeros; ++i) clicks.push_back(Click("ImgNum", kDoubleZeroKey));
  return clicks;
}

}  // namespace

std::string CardText(int picture) {
  if (!IsFace(picture)) return "?";
  return std::string(kSuits[picture / 16]) + kRanks[picture % 16 - kLowestRank];
}

std::optional<TurnAnswer> AnswerTurn(const TableView& view) {
  if (!view.bet_button_shown || view.face_up_cards.size() != 2) return std::nullopt;
  const int first = view.face_up_cards[0];
  const int second = view.face_up_cards[1];
  const std::string cards = CardText(first) + " " + CardText(second);
  const auto min_bet = Amount(view.min_bet);
  const auto max_bet = Amount(view.max_bet);
  const int gap = std::abs(CountedRank(first) - CountedRank(second)) - 1;

  constexpr int kBetButton = 1;
  constexpr int kGiveUpButton = 2;
  constexpr int kHotPotKey = 12;
  constexpr int kMinimumKey = 13;
  TurnAnswer answer;
  if (!IsFace(first) || !IsFace(second) || !min_bet || !max_bet || *max_bet < *min_bet ||
      gap < kGapForMinimumBet) {
    answer.commands = {Click("Operation", kGiveUpButton)};
    answer.description = "gives up on " + cards;
  } else if (gap >= kGapForHotPot && view.hot_pot_key_enabled) {
    answer.commands = {Click("ImgNum", kHotPotKey), Click("Operation", kBetButton)};
    answer.description = "makes a hot-pot buy on " + cards;
  } else if (gap >= kGapForComposedBet) {
    const long long amount = std::max(*min_bet, (*min_bet + *max_bet) / 2);
    answer.commands = KeypadClicks(amount);
    answer.commands.push_back(Click("Operation", kBetButton));
    answer.description = "bets " + std::to_string(amount) + " on " + cards;
  } else {
    answer.commands = {Click("ImgNum", kMinimumKey), Click("Operation", kBetButton)};
    answer.description = "bets the minimum " + std::to_string(*min_bet) + " on " + cards;
  }
  return answer;
}

}  // namespace tlj::lobby_tool
