// The window's border artwork (cut into eight pieces when the window is painted) and its icon.

#include <algorithm>

#include "tools/artgen/art/app_icon.h"
#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/mattes.h"

namespace tlj::artgen::art {
namespace {

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

}  // namespace

void AddWindowFrame(Entries& entries) {
  const encode::QuantizeOptions on_caption{.matte = mattes::kCaption};
  AddDesign(entries, 1, Format::kGif, Skin, on_caption);
  // The program's icon at the size of the caption: the same drawing the desktop's icons scale.
  AddDesign(
      entries, 2, Format::kGif, [](int width, int) { return AppIcon(width); }, on_caption);
}

}  // namespace tlj::artgen::art
