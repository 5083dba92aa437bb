// The panels on the table and its bottom bar: the field behind the amount being typed, the
// strip behind the room name, the details button, the frame of the advertisement and the banner
// behind the seat notice. The program writes its text over them.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/design_plaques.h"
#include "tools/artgen/art/mattes.h"
#include "tools/artgen/art/themes.h"
#include "tools/artgen/art/widgets.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;

draw::Canvas AmountField(int width, int height) {
  draw::Canvas field(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  field.Fill(
      Path().AddRoundRect(0.5f, 0.5f, w - 1, h - 1, 7),
      draw::Linear({0, 0}, {0, h},
                   {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  DrawWell(field, 2.5f, 2.5f, w - 5, h - 6, 5);
  return field;
}

// The word tabs stand at the strip's left end; the room name is written in the field.
draw::Canvas LocationStrip(int width, int height) {
  draw::Canvas strip(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(strip, 0.5f, 0.5f, w - 1, h - 1, 6);
  DrawWell(strip, 120, 8, w - 128, h - 14, 4);
  return strip;
}

draw::Canvas DetailsButton(int width, int height) {
  return Key(width, height, themes::kCopper, {6, 1, 0.35f}, State::kNormal, "明细",
             {draw::Face::kSansBold, 14, 1});
}

// A gilt frame round a dark panel that waits for the advertisement, with the table's coin
// faintly in the middle.
draw::Canvas AdvertFrame(int width, int height) {
  draw::Canvas frame(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawPlaque(frame, 0.5f, 0.5f, w - 1, h - 1, 5);
  const Path panel = Path().AddRoundRect(4, 4, w - 8, h - 8, 3);
  frame.Fill(frame.Coverage(panel).Dilated(1), draw::Solid(design::kLacquerEdge));
  frame.Fill(panel, draw::Radial({w / 2, h * 0.4f}, w * 0.6f, h * 0.6f,
                                 {{0, Hex(0x4A2212)}, {1, Hex(0x200A04)}}));
  const float cx = w / 2, cy = h / 2, r = 17;
  const draw::Rgba faint = draw::WithAlpha(design::kGold, 0.35f);
  frame.Stroke(Path().AddCircle(cx, cy, r), 2.5f, draw::Solid(faint));
  frame.Stroke(Path().AddRect(cx - 5.5f, cy - 5.5f, 11, 11), 2.5f, draw::Solid(faint));
  return frame;
}

// A parchment ribbon with notched ends, a gold edge and stitches along it.
draw::Canvas NoticeBanner(int width, int height) {
  draw::Canvas banner(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float notch = 7;
  const Path ribbon = Path().AddPolygon({{0.5f, 1},
                                         {w - 0.5f, 1},
                                         {w - notch, h / 2},
                                         {w - 0.5f, h - 1},
                                         {0.5f, h - 1},
                                         {notch, h / 2}});
  banner.Fill(banner.Coverage(ribbon).Dilated(0.8f), draw::Solid(design::kGoldDark));
  banner.Fill(
      ribbon,
      draw::Linear({0, 1}, {0, h - 1},
                   {{0, design::kGoldLight}, {0.5f, design::kGold}, {1, design::kGoldDark}}));
  const Path inner = Path().AddPolygon({{3, 3},
                                        {w - 3, 3},
                                        {w - notch - 1.5f, h / 2},
                                        {w - 3, h - 3},
                                        {3, h - 3},
                                        {notch + 1.5f, h / 2}});
  banner.Fill(inner, draw::Vertical(3, h - 3, design::kParchmentLight, design::kParchment));
  // Stitches along both long edges.
  Path stitches;
  for (float x = notch + 6; x + 3 <= w - notch - 6; x += 5)
    stitches.AddRect(x, 5, 3, 1).AddRect(x, h - 6, 3, 1);
  banner.Fill(stitches, draw::Solid(draw::WithAlpha(design::kGoldDark, 0.55f)));
  return banner;
}

}  // namespace

void AddTablePanels(Entries& entries) {
  // The felt may be green or blue: what stands on it keeps its own rim.
  const encode::QuantizeOptions on_bar{.matte = mattes::kBottomBar};
  AddDesign(entries, 19, Format::kGif, AmountField);
  AddDesign(entries, 20, Format::kGif, LocationStrip, on_bar);
  AddDesign(entries, 22, Format::kGif, DetailsButton, on_bar);
  AddDesign(entries, 23, Format::kGif, AdvertFrame, on_bar);
  AddDesign(entries, 26, Format::kGif, NoticeBanner);
}

}  // namespace tlj::artgen::art
