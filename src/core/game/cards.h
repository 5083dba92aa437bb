#pragma once
// Card codes: the wire code the server sends (rank in bits 8..15, suit bit in bits 0..3) and
// the display code that picks a picture (suit index × 16 + display rank 3..15; 16 and 17 the
// jokers, 18 the back).

#include <cstdint>

namespace tlj::game {

inline constexpr int kCardBack = 18;
// The table's card images imgDiPai(0..11): three for each of a hand's four turns.
inline constexpr int kCardImages = 12;

inline bool IsCardImage(int i) {
  return i >= 0 && i < kCardImages;
}

struct SplitCardCode {
  std::int16_t rank = 0;  // display rank: the ace is 14, the two 15
  std::int16_t suit = 0;  // suit bit as sent (only its highest bit counts)
};

SplitCardCode SplitCard(std::uint32_t code);
int DisplayCode(int display_rank, int suit_bit);

// Shows the picture of display code `code` in imgDiPai(image). A code without a picture is
// reported, the table window minimized and the lobby shown; the card is not shown.
void ShowCard(int image, int code);

// Deals imgDiPai(g_iNextCard) to screen position `pos`: `place` 0 and 2 are the gate cards
// (shown face up, `code` their display code), 1 the third card (shown face down).
void DealCard(int pos, int place, int code);

}  // namespace tlj::game
