#include "tools/server/cards.h"

#include <array>

namespace tlj::server {

std::uint32_t WireCode(Card card) {
  return (static_cast<std::uint32_t>(card.rank) << 8) | card.suit;
}

std::string CardText(Card card) {
  static constexpr std::array<const char*, 14> kRanks = {"?", "A", "2", "3",  "4", "5", "6",
                                                         "7", "8", "9", "10", "J", "Q", "K"};
  std::string suit;
  switch (card.suit) {
    case kDiamonds:
      suit = "♦";
      break;
    case kClubs:
      suit = "♣";
      break;
    case kHearts:
      suit = "♥";
      break;
    case kSpades:
      suit = "♠";
      break;
    default:
      suit = "?";
  }
  const bool known = card.rank >= 1 && card.rank <= 13;
  return suit + kRanks[known ? static_cast<std::size_t>(card.rank) : 0];
}

std::vector<Card> ShuffledDeck(Random& random) {
  std::vector<Card> deck;
  for (const std::uint8_t suit : {kDiamonds, kClubs, kHearts, kSpades}) {
    for (int rank = 1; rank <= 13; ++rank) deck.push_back(Card{rank, suit});
  }
  random.Shuffle(deck);
  return deck;
}

}  // namespace tlj::server
