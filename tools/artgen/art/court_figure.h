#pragma once
// The figure of a court card, drawn in its own coordinates over the upper half of the picture
// panel, and the look that gives each of the twelve its own person.

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art::court {

using draw::Hex;
using draw::Path;
using draw::Rgba;

inline constexpr Rgba kGold = Hex(0xE8B030);
inline constexpr Rgba kGoldDark = Hex(0x8A5A10);
inline constexpr Rgba kSkin = Hex(0xF8D6B6);
inline constexpr Rgba kSteel = Hex(0xD8DCE4);
inline constexpr Rgba kWood = Hex(0x6B4420);
inline constexpr Rgba kLeaf = Hex(0x2E8B3A);
inline constexpr Rgba kInk = Hex(0x1E1A18, 0.9f);

// u across the panel (-1 left edge .. 1 right edge), v down the upper half (0 top of the
// panel .. 1 its middle).
struct Frame {
  float cx, top, half_width, half_height, scale;
  float X(float u) const { return cx + u * half_width; }
  float Y(float v) const { return top + v * half_height; }
};

class Figure {
 public:
  Figure(draw::Canvas& layer, const Frame& f) : layer_(layer), f_(f) {}

  // Fills a shape given in figure coordinates and outlines it in ink.
  void Shape(const Path& unit, const draw::Paint& paint, float outline = 0.8f) {
    const Path p = unit.Transformed(Place());
    layer_.Fill(p, paint);
    if (outline > 0) layer_.Stroke(p, outline * f_.scale, draw::Solid(kInk));
  }
  void Shape(const Path& unit, Rgba colour, float outline = 0.8f) {
    Shape(unit, draw::Solid(colour), outline);
  }
  void Line(const Path& unit, float width, Rgba colour) {
    layer_.Stroke(unit.Transformed(Place()), width * f_.scale, draw::Solid(colour));
  }
  // A disc that is round on the card, though a unit down is longer than a unit across; r is in
  // units across.
  Path Disc(float u, float v, float r) const {
    return Path().AddEllipse(u, v, r, r * f_.half_width / f_.half_height);
  }
  // Where a point of the figure lies on the card.
  draw::Point At(float u, float v) const { return {f_.X(u), f_.Y(v)}; }
  // The paint of a vertical gradient between two heights of the figure.
  draw::Paint Shaded(float v0, float v1, Rgba top, Rgba bottom) const {
    return draw::Vertical(f_.Y(v0), f_.Y(v1), top, bottom);
  }

 private:
  draw::Affine Place() const { return {f_.half_width, 0, 0, f_.half_height, f_.cx, f_.top}; }

  draw::Canvas& layer_;
  Frame f_;
};

// Each figure wears its own headwear and holds its own object.
enum class Headwear {
  kPointedCrown,
  kArchedCrown,
  kTrefoilCrown,
  kFurHat,
  kTiara,
  kPearlCrown,
  kVeil,
  kWreath,
  kFeatherCap,
  kBeret,
  kHood,
  kHelmet
};
enum class Hair { kShort, kCurly, kLong, kBraids, kBun };
enum class Beard { kNone, kFull, kPointed, kMoustache };
enum class Collar { kYoke, kRuff, kErmine, kChain };
enum class Held {
  kAxe,
  kOrb,
  kSceptre,
  kSword,
  kFan,
  kRose,
  kTulip,
  kMirror,
  kHalberd,
  kClub,
  kBanner,
  kSpear
};

struct Look {
  Headwear headwear;
  Hair hair;
  Beard beard;
  Collar collar;
  Held held;
  Rgba robe, accent, hair_colour;
  Rgba hat;  // the cloth, fur or metal of the headwear where it is not gold
  bool rouge = false;
};

// rank 11 (J), 12 (Q) or 13 (K).
Look LookOf(int suit, int rank);

// The parts, in the order they are drawn.
void DrawRobe(Figure& fig, const Look& look);
void DrawHeld(Figure& fig, const Look& look);
void DrawHead(Figure& fig, const Look& look);
void DrawHeadwear(Figure& fig, const Look& look);

}  // namespace tlj::artgen::art::court
