// The window's border artwork (cut into eight pieces when the window is painted) and its icon.

#include <algorithm>
#include <numbers>

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/mattes.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

// The border is kSide pixels thick left, right and below; the caption strip is kCaption high.
// The top edge is stretched across the window and the sides down it, so within each piece the
// colour may change only across the border, never along it.
constexpr float kSide = 8;
constexpr float kCaption = 20;
constexpr float kTopRadius = 6;

// The outline of the frame `inset` pixels in: rounded at the top, square below.
draw::Mask FrameShape(const draw::Canvas& canvas, float inset) {
  const float w = static_cast<float>(canvas.Width()) - 2 * inset;
  const float h = static_cast<float>(canvas.Height()) - 2 * inset;
  draw::Mask shape =
      canvas.Coverage(Path().AddRoundRect(inset, inset, w, h, std::max(0.0f, kTopRadius - inset)));
  shape.Unite(canvas.Coverage(Path().AddRect(inset, kTopRadius + inset, w, h - kTopRadius)));
  return shape;
}

// The sides and the bottom at a distance from the outer edge: rounded lacquer, a dim gold line
// and a dark rim against the table.
Rgba SideProfile(float d) {
  if (d < kSide - 2)
    return draw::Mix(draw::Lighten(design::kLacquerLight, 0.1f), design::kLacquerDark,
                     (d - 2) / (kSide - 4));
  if (d < kSide - 1) return draw::Mix(design::kGold, design::kLacquerDark, 0.35f);
  return design::kLacquerEdge;
}

draw::Paint Lacquer(float width, float height) {
  const draw::Paint caption = draw::Linear({0, 2}, {0, kCaption - 1},
                                           {{0, draw::Lighten(design::kLacquerLight, 0.18f)},
                                            {0.4f, design::kLacquerLight},
                                            {1, design::kLacquerDark}});
  return [=](float x, float y) {
    if (y < kCaption - 1) return caption(x, y);
    if (y < kCaption) return design::kLacquerEdge;  // the caption's lower edge
    return SideProfile(std::min({x, width - x, height - y}));
  };
}

draw::Canvas Skin(int width, int height) {
  draw::Canvas skin(width, height);
  skin.Fill(FrameShape(skin, 0), draw::Solid(design::kLacquerEdge));
  skin.Fill(FrameShape(skin, 1), draw::Solid(design::kBevel));
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  skin.Fill(FrameShape(skin, 2), Lacquer(w, h));
  // The middle is never cut out; left empty, it shows where the pieces end.
  draw::Mask pieces = skin.Coverage(Path().AddRect(0, 0, w, h));
  pieces.Subtract(
      skin.Coverage(Path().AddRect(kSide, kCaption, w - 2 * kSide, h - kCaption - kSide)));
  skin.Clip(pieces);
  return skin;
}

// A card of the icon, turned about the middle of its foot: the back one shows its red
// back, the front one a diamond.
void IconCard(draw::Canvas& icon, float degrees, float dx, bool front) {
  const draw::Affine turn =
      draw::Then(draw::Affine::Rotate(degrees * std::numbers::pi_v<float> / 180),
                 draw::Affine::Translate(8 + dx, 15));
  const Path card = Path().AddRoundRect(-4, -13.5f, 8, 13, 1.5f).Transformed(turn);
  icon.Fill(card, draw::Solid(Hex(0x2A0E04)));
  const Path face = Path().AddRoundRect(-3, -12.5f, 6, 11, 1).Transformed(turn);
  if (!front) {
    icon.Fill(face, draw::Vertical(2, 14, Hex(0xE8503A), Hex(0x9A1A10)));
    return;
  }
  icon.Fill(face, draw::Solid(Hex(0xFFFCF2)));
  const Path diamond =
      Path().AddPolygon({{0, -11}, {2.4f, -7}, {0, -3}, {-2.4f, -7}}).Transformed(turn);
  icon.Fill(diamond, draw::Solid(Hex(0xD01810)));
}

draw::Canvas Icon(int width, int height) {
  draw::Canvas icon(width, height);
  IconCard(icon, -10, -1.5f, false);
  IconCard(icon, 10, 1.5f, true);
  return icon;
}

}  // namespace

void AddWindowFrame(Entries& entries) {
  const encode::QuantizeOptions on_caption{.matte = mattes::kCaption};
  AddDesign(entries, 1, Format::kGif, Skin, on_caption);
  AddDesign(entries, 2, Format::kGif, Icon, on_caption);
}

}  // namespace tlj::artgen::art
