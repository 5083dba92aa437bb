#pragma once
// The picture panel of the jack, queen and king: a double-ended half figure, a person of its
// own on each of the twelve cards.

#include "tools/artgen/art/card_face.h"

namespace tlj::artgen::art {

// rank 11 (J), 12 (Q) or 13 (K).
void DrawCourt(draw::Canvas& card, const CardLayout& layout, int suit, int rank);

}  // namespace tlj::artgen::art
