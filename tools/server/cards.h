#pragma once
// The 52 cards the table deals, their wire codes and how the transcript writes them.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/server/random.h"

namespace tlj::server {

// Suit bits as the wire carries them.
inline constexpr std::uint8_t kDiamonds = 1;
inline constexpr std::uint8_t kClubs = 2;
inline constexpr std::uint8_t kHearts = 4;
inline constexpr std::uint8_t kSpades = 8;

struct Card {
  int rank = 1;  // 1 = ace, 2..10, 11 = jack, 12 = queen, 13 = king
  std::uint8_t suit = kDiamonds;
  friend bool operator==(const Card&, const Card&) = default;
};

// Rank in bits 8..15, suit bit in bits 0..3.
std::uint32_t WireCode(Card card);
// "♠J", "♥10", "♦A".
std::string CardText(Card card);
// All 52 cards in a random order.
std::vector<Card> ShuffledDeck(Random& random);

}  // namespace tlj::server
