#include "tools/artgen/art/app_icon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/art/design_colours.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

constexpr Rgba kCardEdge = Hex(0x2A0E04);
constexpr Rgba kBackTop = Hex(0xE8503A);
constexpr Rgba kBackBottom = Hex(0x9A1A10);
constexpr Rgba kFace = Hex(0xFFFCF2);
constexpr Rgba kDiamond = Hex(0xD01810);

// One card, drawn in units of the 16-pixel icon times `s`: the card stands on the middle of
// its foot, turned by `degrees` about it. Above 16 pixels the edge gets thinner for its size and
// the faces get what a small icon cannot show: a lattice and a gold line on the back, shading,
// a shadow and corner marks on the front.
class IconCard {
 public:
  IconCard(float s, float degrees, float dx)
      : s_(s),
        detailed_(s >= 2),
        turn_(draw::Then(draw::Affine::Rotate(degrees * std::numbers::pi_v<float> / 180),
                         draw::Affine::Translate((8 + dx) * s, 15 * s))) {}

  void DrawBack(draw::Canvas& icon) const {
    icon.Fill(Card(), draw::Solid(kCardEdge));
    const draw::Paint ground = draw::Vertical(2 * s_, 14 * s_, kBackTop, kBackBottom);
    if (!detailed_) {
      icon.Fill(Face(), ground);
      return;
    }
    icon.Fill(Face(), Lattice(ground));
    const float in = Inset() + 0.9f * s_;
    icon.Stroke(
        Rounded(-4 * s_ + in, -13.5f * s_ + in, 8 * s_ - 2 * in, 13 * s_ - 2 * in, 0.8f * s_),
        0.3f * s_, draw::Solid(design::kGold), 0.9f);
  }

  void DrawFront(draw::Canvas& icon) const {
    if (detailed_) {
      // The front card lifts off the back one.
      const draw::Affine shadow = draw::Then(turn_, draw::Affine::Translate(-0.5f * s_, 0.3f * s_));
      icon.Fill(
          Path().AddRoundRect(-4 * s_, -13.5f * s_, 8 * s_, 13 * s_, 1.5f * s_).Transformed(shadow),
          draw::Solid(Hex(0x000000)), 0.3f);
    }
    icon.Fill(Card(), draw::Solid(kCardEdge));
    icon.Fill(Face(), detailed_ ? draw::Vertical(2 * s_, 14 * s_, kFace, design::kParchment)
                                : draw::Solid(kFace));
    const Path diamond = Diamond(0, -7, 2.4f, 4);
    if (!detailed_) {
      icon.Fill(diamond, draw::Solid(kDiamond));
      return;
    }
    icon.Fill(diamond, draw::Vertical(4 * s_, 12 * s_, Hex(0xEC3A22), Hex(0xA80E06)));
    icon.Fill(Diamond(-2.05f, -11.2f, 0.55f, 0.85f), draw::Solid(kDiamond));
    icon.Fill(Diamond(2.05f, -2.8f, 0.55f, 0.85f), draw::Solid(kDiamond));
  }

 private:
  // The card's outline and its face inside the edge.
  float Inset() const { return detailed_ ? 0.45f * s_ : s_; }
  Path Card() const { return Rounded(-4 * s_, -13.5f * s_, 8 * s_, 13 * s_, 1.5f * s_); }
  Path Face() const {
    const float in = Inset();
    return Rounded(-4 * s_ + in, -13.5f * s_ + in, 8 * s_ - 2 * in, 13 * s_ - 2 * in,
                   1.5f * s_ - in / 2);
  }
  Path Rounded(float x, float y, float w, float h, float r) const {
    return Path().AddRoundRect(x, y, w, h, r).Transformed(turn_);
  }
  // A diamond centred at (x, y) in the card's own units, `rx` wide and `ry` high each way.
  Path Diamond(float x, float y, float rx, float ry) const {
    return Path()
        .AddPolygon({{x * s_, (y - ry) * s_},
                     {(x + rx) * s_, y * s_},
                     {x * s_, (y + ry) * s_},
                     {(x - rx) * s_, y * s_}})
        .Transformed(turn_);
  }
  // The back's ground crossed by darker lines along the card's diagonals, smoothed over a pixel.
  draw::Paint Lattice(const draw::Paint& ground) const {
    const draw::Affine to_card = turn_.Inverse();
    const float period = 2.2f * s_;  // along x + y, which runs sqrt(2) times faster than a line
    const float half_width = 0.1f * s_;
    return [=](float x, float y) {
      const draw::Point p = to_card.Apply({x, y});
      const auto cover = [&](float t) {
        const float d =
            std::fabs(t - period * std::round(t / period)) / std::numbers::sqrt2_v<float>;
        return std::clamp(half_width + 0.5f - d, 0.0f, 1.0f);
      };
      const Rgba colour = ground(x, y);
      return draw::Mix(colour, draw::Darken(colour, 0.3f),
                       std::max(cover(p.x + p.y), cover(p.x - p.y)));
    };
  }

  float s_;
  bool detailed_;
  draw::Affine turn_;
};

}  // namespace

draw::Canvas AppIcon(int size) {
  const float s = static_cast<float>(size) / 16;
  draw::Canvas icon(size, size);
  IconCard(s, -10, -1.5f).DrawBack(icon);
  IconCard(s, 10, 1.5f).DrawFront(icon);
  return icon;
}

}  // namespace tlj::artgen::art
