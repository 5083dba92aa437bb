// Who is drawn on each court card: the jacks are a halberdier, a woodsman, a herald and a
// soldier; the queens and kings differ in crown, hair, beard, colours and what they hold.

#include <array>

#include "tools/artgen/art/court_figure.h"
#include "tools/artgen/art/suits.h"

namespace tlj::artgen::art::court {

Look LookOf(int suit, int rank) {
  constexpr Rgba kRed = kCardRed, kBlue = Hex(0x2D55B8), kNavy = Hex(0x22306E);
  constexpr Rgba kGreen = Hex(0x2E7D32), kPine = Hex(0x1F5E3A), kPurple = Hex(0x5B2A86);
  constexpr Rgba kBlack = Hex(0x2A201C), kBrown = Hex(0x7A4A1E);
  using enum Headwear;
  using enum Hair;
  using enum Beard;
  using enum Collar;
  using enum Held;
  // By suit (diamonds, clubs, hearts, spades), then jack, queen, king.
  static const std::array<std::array<Look, 3>, 4> kLooks = {{
      {{
          {kFeatherCap, kShort, kNone, kYoke, kHalberd, kGreen, kRed, Hex(0xD9A441), kRed},
          {kTiara, kLong, kNone, kRuff, kFan, kRed, Hex(0x1E7A6E), Hex(0x9A4E22), kGold, true},
          {kPointedCrown, kShort, kFull, kErmine, kAxe, kBlue, kRed, Hex(0x6B3A1E), kGold},
      }},
      {{
          {kBeret, kCurly, kNone, kYoke, kClub, Hex(0xC8761E), kPine, kBlack, kPine},
          {kPearlCrown, kBraids, kNone, kRuff, kRose, kBlue, Hex(0xE0B020), Hex(0xE0B85A), kGold,
           true},
          {kArchedCrown, kShort, kFull, kErmine, kOrb, kPurple, Hex(0xE0B020), Hex(0xE6E2DA),
           Hex(0xB01828)},
      }},
      {{
          {kHood, kShort, kMoustache, kYoke, kBanner, Hex(0xD0501E), kNavy, kBrown, Hex(0x1E7A6E)},
          {kVeil, kLong, kNone, kChain, kTulip, Hex(0xB0305A), kNavy, Hex(0x3A2418), Hex(0xFFFBF2),
           true},
          {kTrefoilCrown, kShort, kPointed, kChain, kSceptre, kRed, kNavy, Hex(0xB0521E), kGold},
      }},
      {{
          {kHelmet, kShort, kNone, kYoke, kSpear, Hex(0x46586A), kRed, kBlack, Hex(0xA8B0BC)},
          {kWreath, kBun, kNone, kChain, kMirror, Hex(0x2A1E3C), Hex(0x6A8AC8), kBlack, kLeaf,
           true},
          {kFurHat, kShort, kFull, kYoke, kSword, Hex(0x1E2A5E), kRed, Hex(0x8A8682),
           Hex(0x6A4428)},
      }},
  }};
  return kLooks.at(static_cast<std::size_t>(suit)).at(static_cast<std::size_t>(rank - 11));
}

}  // namespace tlj::artgen::art::court
