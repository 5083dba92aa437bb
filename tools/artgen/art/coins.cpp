// The coins: twenty frames of each turning coin (5, 10, 20, 50, 100) in both sizes, and the
// still coins of 1 and 500.

#include <cmath>
#include <numbers>
#include <string>

#include "tools/artgen/art/groups.h"
#include "tools/artgen/draw/text.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

struct CoinLook {
  Rgba light, mid, dark;  // the metal
  Rgba enamel;            // the ring around the figure; alpha 0 for none
};

constexpr CoinLook kCopper{Hex(0xF2B48A), Hex(0xB8683A), Hex(0x5E2E12), Hex(0, 0)};
constexpr CoinLook kBronze{Hex(0xF6CC8A), Hex(0xC0842E), Hex(0x5E3A0C), Hex(0xC8281E)};
constexpr CoinLook kSilver{Hex(0xFFFFFF), Hex(0xC2C8D2), Hex(0x4C5462), Hex(0, 0)};
constexpr CoinLook kSilverBlue{Hex(0xFFFFFF), Hex(0xC2C8D2), Hex(0x4C5462), Hex(0x2A5CC8)};
constexpr CoinLook kGold{Hex(0xFFF2A8), Hex(0xE8B020), Hex(0x7A4A04), Hex(0, 0)};
constexpr CoinLook kGoldRed{Hex(0xFFF2A8), Hex(0xE8B020), Hex(0x7A4A04), Hex(0xC01818)};
constexpr CoinLook kGoldPurple{Hex(0xFFF2A8), Hex(0xE8B020), Hex(0x7A4A04), Hex(0x7A2AB8)};

constexpr int kFrames = 20;

// One side of the coin, seen face on, `size` pixels square. The front shows the value; the
// back the square hole of the old copper cash.
draw::Canvas CoinSide(int size, const CoinLook& look, const std::string& value, bool front) {
  draw::Canvas side(size, size);
  const float c = static_cast<float>(size) / 2, r = c - 0.5f;
  side.Fill(Path().AddCircle(c, c, r), draw::Solid(look.dark));
  side.Fill(Path().AddCircle(c, c, r - 0.8f),
            draw::Linear({c - r, c - r}, {c + r, c + r},
                         {{0, look.light}, {0.5f, look.mid}, {1, draw::Darken(look.mid, 0.3f)}}));
  const float field = r * 0.78f;
  side.Fill(Path().AddCircle(c, c, field),
            draw::Linear({c + field, c + field}, {c - field, c - field},
                         {{0, look.light}, {0.55f, look.mid}, {1, draw::Darken(look.mid, 0.15f)}}));
  if (look.enamel.a > 0) {
    side.Fill(
        Path().AddCircle(c, c, field).AddPath(Path().AddCircle(c, c, field * 0.8f).Reversed()),
        draw::Solid(look.enamel));
    side.Fill(
        Path().AddCircle(c, c, field * 0.8f),
        draw::Linear({c + field, c + field}, {c - field, c - field},
                     {{0, look.light}, {0.55f, look.mid}, {1, draw::Darken(look.mid, 0.15f)}}));
  }
  side.Stroke(Path().AddCircle(c, c, field), 0.7f, draw::Solid(draw::WithAlpha(look.dark, 0.7f)));
  if (front) {
    const float room = field * (look.enamel.a > 0 ? 1.45f : 1.7f);
    const float text_size = value.size() >= 3   ? room * 0.62f
                            : value.size() == 2 ? room * 0.8f
                                                : room;
    const draw::TextStyle text{draw::Face::kSansBold, text_size, value.size() >= 3 ? -0.5f : 0, 0,
                               value.size() >= 3 ? 0.82f : 1.0f};
    const draw::Mask figure = draw::CentredText(size, size, text, value, c, c);
    // Struck into the metal: light below, shadow above.
    side.Fill(figure.Shifted(0, 1), draw::Solid(draw::WithAlpha(look.light, 0.9f)));
    side.Fill(figure, draw::Solid(look.dark));
  } else {
    const float h = field * 0.32f;
    side.Fill(Path().AddRect(c - h - 1, c - h - 1, 2 * h + 2, 2 * h + 2),
              draw::Solid(draw::WithAlpha(look.dark, 0.55f)));
    side.Fill(Path().AddRect(c - h, c - h, 2 * h, 2 * h),
              draw::Solid(draw::Darken(look.dark, 0.4f)));
  }
  return side;
}

// Frame k of the turn: the face narrows to the rim and widens again as the back, and so round.
draw::Canvas TurningCoin(int size, const CoinLook& look, const std::string& value, int frame) {
  const float angle = 2 * std::numbers::pi_v<float> * static_cast<float>(frame) / kFrames;
  const float squeeze = std::cos(angle);
  const float c = static_cast<float>(size) / 2, r = c - 0.5f;
  const float thickness = r * 0.18f;
  const float drift = std::sin(angle) * thickness;  // how far the rim shows beside the face
  const float width = std::abs(squeeze);
  draw::Canvas coin(size, size);
  // The rim: the band between the face and the hidden side behind it.
  const float back_x = c + drift / 2, face_x = c - drift / 2;
  Path rim = Path().AddEllipse(back_x, c, std::max(width * r, 0.01f), r);
  rim.AddRect(std::min(back_x, face_x), c - r, std::abs(drift), 2 * r);
  rim = rim.Normalized();
  coin.Fill(rim,
            draw::Linear({0, c - r}, {0, c + r},
                         {{0, look.mid}, {0.5f, look.dark}, {1, draw::Darken(look.dark, 0.3f)}}));
  for (int i = -2; i <= 2; ++i)  // milled edge
    coin.Fill(Path().AddRect(std::min(back_x, face_x), c + static_cast<float>(i) * r * 0.38f - 0.4f,
                             std::abs(drift), 0.8f),
              draw::Solid(draw::WithAlpha(look.light, 0.35f)));
  if (width > 0.02f) {
    const draw::Canvas side = CoinSide(size, look, value, squeeze >= 0);
    const draw::Affine place =
        draw::Then(draw::Affine::Translate(-c, -c),
                   draw::Then(draw::Affine::Scale(width, 1), draw::Affine::Translate(face_x, c)));
    coin.DrawTransformed(side, place);
    // Light falls on the face less as it turns away.
    const float shade = 0.35f * (1 - width);
    coin.Fill(coin.Coverage(Path().AddEllipse(face_x, c, width * r, r)),
              draw::Solid(draw::WithAlpha(Hex(0x000000), shade)));
  }
  return coin;
}

}  // namespace

void AddCoins(Entries& entries) {
  const struct {
    int full_first, reduced_first;
    const char* value;
    const CoinLook* look;
  } turning[] = {{601, 621, "5", &kBronze},
                 {641, 661, "10", &kSilver},
                 {681, 701, "20", &kSilverBlue},
                 {721, 741, "50", &kGold},
                 {761, 781, "100", &kGoldRed}};
  for (const auto& coin : turning)
    for (int k = 0; k < kFrames; ++k) {
      const std::string value = coin.value;
      const CoinLook look = *coin.look;
      entries.push_back({coin.full_first + k, 40, 40, Format::kGif,
                         [=] { return TurningCoin(40, look, value, k); }});
      entries.push_back({coin.reduced_first + k, 31, 31, Format::kGif,
                         [=] { return TurningCoin(31, look, value, k); }});
    }
  entries.push_back({803, 40, 40, Format::kGif, [] { return CoinSide(40, kCopper, "1", true); }});
  entries.push_back({804, 31, 31, Format::kGif, [] { return CoinSide(31, kCopper, "1", true); }});
  entries.push_back(
      {805, 40, 40, Format::kGif, [] { return CoinSide(40, kGoldPurple, "500", true); }});
  entries.push_back(
      {806, 31, 31, Format::kGif, [] { return CoinSide(31, kGoldPurple, "500", true); }});
}

}  // namespace tlj::artgen::art
