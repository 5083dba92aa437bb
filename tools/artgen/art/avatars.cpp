// Twenty player portraits: ten men (240..249) and ten women (250..259), each with its own
// hair, skin, clothes and background.

#include <vector>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/art/portrait.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;
using portrait::Collar;
using portrait::Hair;
using portrait::kCx;
using portrait::kDesignH;
using portrait::kDesignW;
using portrait::Person;
using portrait::Portrait;

draw::Canvas Draw(const Person& who, int width, int height) {
  Portrait p(width, height);
  const Path inside = Path().AddRoundRect(2, 2, kDesignW - 4, kDesignH - 4, 6.5f);
  p.Fill(inside, draw::Radial(p.At(kCx, 36), 58 * static_cast<float>(width) / kDesignW,
                              58 * static_cast<float>(height) / kDesignH,
                              {{0, draw::Lighten(who.background, 0.55f)}, {1, who.background}}));
  DrawBackHair(p, who);
  DrawClothes(p, who);
  DrawFace(p, who);
  DrawFrontHair(p, who);
  p.ClipTo(inside);
  const Path frame =
      Path().AddRoundRect(0.5f, 0.5f, kDesignW - 1, kDesignH - 1, 8).AddPath(inside.Reversed());
  p.Fill(frame, draw::Solid(Hex(0x5A3A1A)));
  p.Line(inside, 1.0f, Hex(0xE8C070));
  return p.Take();
}

std::vector<Person> People() {
  const Rgba fair = Hex(0xFBDCC4), light = Hex(0xF5CFAE), medium = Hex(0xE2B08A),
             tan = Hex(0xC98E64), brown = Hex(0x9A6440), dark = Hex(0x6E4428);
  std::vector<Person> people = {
      // The men.
      {false, Hair::kShort, Collar::kShirt, light, Hex(0x1E1A18), Hex(0x3C78C8), Hex(0x8EC2F0)},
      {false, Hair::kSpiky, Collar::kRound, tan, Hex(0x5A3418), Hex(0xD23A2A), Hex(0xF2CE5A)},
      {false, Hair::kSidePart, Collar::kSuit, medium, Hex(0x2E2018), Hex(0x3E4450), Hex(0x6CC2B6),
       true},
      {false, Hair::kBald, Collar::kTurtleneck, fair, Hex(0x9A9A9A), Hex(0x3A8A4A), Hex(0xF2A866),
       false, true},
      {false, Hair::kCap, Collar::kRound, tan, Hex(0x1E1A18), Hex(0xF4F4F4), Hex(0x86CC7A), false,
       false, false, false, Hex(0xD42A2A)},
      {false, Hair::kCurly, Collar::kShirt, dark, Hex(0x15110E), Hex(0xF2C23A), Hex(0xB08AD8)},
      {false, Hair::kBuzz, Collar::kVNeck, medium, Hex(0x3A2A1E), Hex(0x8A5A34), Hex(0x9AAEC8),
       false, false, true},
      {false, Hair::kShoulder, Collar::kHood, fair, Hex(0xD8B060), Hex(0x6A3AA8), Hex(0x9ADCC4)},
      {false, Hair::kShort, Collar::kMandarin, light, Hex(0xE4E4E4), Hex(0xB0201C), Hex(0xF4E2B8),
       true, false, false, false, Hex(0xE8B030)},
      {false, Hair::kSpiky, Collar::kRound, brown, Hex(0xE07A2A), Hex(0x262626), Hex(0xF08A9A),
       false, true},
      // The women.
      {true, Hair::kLong, Collar::kVNeck, fair, Hex(0x1A1614), Hex(0xF07AA0), Hex(0xFFC8A8), false,
       false, false, true},
      {true, Hair::kBob, Collar::kRound, medium, Hex(0x6A3E1E), Hex(0x2A9A9A), Hex(0xC8B4EC)},
      {true, Hair::kPonytail, Collar::kShirt, light, Hex(0xA04A22), Hex(0xF4F4F4), Hex(0x8CCCF4),
       false, false, false, false, Hex(0xD8282A)},
      {true, Hair::kBun, Collar::kMandarin, fair, Hex(0x1A1614), Hex(0xC81E2A), Hex(0xF2D27A),
       false, false, false, true, Hex(0xE8B030)},
      {true, Hair::kCurly, Collar::kRound, dark, Hex(0x1E1410), Hex(0xF08A2A), Hex(0x8ED27A), false,
       false, false, true},
      {true, Hair::kPigtails, Collar::kSailor, fair, Hex(0xE8C060), Hex(0x4A8AE0), Hex(0xF8B4CC),
       false, false, false, false, Hex(0xE04A7A)},
      {true, Hair::kWavy, Collar::kVNeck, tan, Hex(0x7A3A1A), Hex(0x3A9A5A), Hex(0xF6E69A), false,
       false, false, true},
      {true, Hair::kPixie, Collar::kTurtleneck, light, Hex(0x6A3A9A), Hex(0x2A2A30), Hex(0x8ADCE8),
       true},
      {true, Hair::kBun, Collar::kVNeck, medium, Hex(0xC8C8C8), Hex(0x8A4AA0), Hex(0xE8D8BC), true,
       false, false, true, Hex(0x6A4AA0)},
      {true, Hair::kLong, Collar::kSailor, light, Hex(0x221A16), Hex(0xF8F8F8), Hex(0x7AA8F0),
       false, false, false, false, Hex(0x2A4A9A)},
  };
  return people;
}

}  // namespace

void AddAvatars(Entries& entries) {
  const std::vector<Person> people = People();
  for (int i = 0; i < 20; ++i) {
    const Person who = people[static_cast<std::size_t>(i)];
    // One portrait of the set was made a little larger.
    const int width = i == 1 ? 87 : 85, height = i == 1 ? 92 : 90;
    entries.push_back(
        {240 + i, width, height, Format::kGif, [=] { return Draw(who, width, height); }});
  }
}

}  // namespace tlj::artgen::art
