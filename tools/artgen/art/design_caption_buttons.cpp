// The minimise and close buttons of the caption strip, each normal, under the pointer and
// pressed.

#include "tools/artgen/art/design_colours.h"
#include "tools/artgen/art/design_groups.h"
#include "tools/artgen/art/mattes.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

enum class Press { kNormal, kHover, kPressed };
enum class Glyph { kMinimise, kClose };

struct PlateLook {
  Rgba top, bottom, border, glyph;
};

PlateLook LookOf(Glyph glyph, Press press) {
  switch (press) {
    case Press::kNormal:
      return {draw::Lighten(design::kLacquerLight, 0.12f), design::kLacquerDark,
              design::kLacquerEdge, design::kCreamText};
    case Press::kHover:
      if (glyph == Glyph::kClose)
        return {Hex(0xF4684A), Hex(0xB01C0E), Hex(0x4A0804), Hex(0xFFFFFF)};
      return {draw::Lighten(design::kLacquerLight, 0.4f), design::kLacquerLight,
              design::kLacquerEdge, Hex(0xFFFFFF)};
    case Press::kPressed:
      if (glyph == Glyph::kClose)
        return {Hex(0x6E0C06), Hex(0x9A1A0C), Hex(0x2A0402), Hex(0xF0D8C8)};
      return {draw::Darken(design::kLacquerDark, 0.35f), design::kLacquerDark, design::kLacquerEdge,
              Hex(0xE8D2B0)};
  }
  return {};
}

Path GlyphPath(Glyph glyph, float dx, float dy) {
  if (glyph == Glyph::kMinimise)
    return Path().MoveTo(5.5f + dx, 11 + dy).LineTo(12.5f + dx, 11 + dy);
  return Path()
      .MoveTo(5.5f + dx, 4.5f + dy)
      .LineTo(12.5f + dx, 11.5f + dy)
      .MoveTo(12.5f + dx, 4.5f + dy)
      .LineTo(5.5f + dx, 11.5f + dy);
}

draw::Canvas CaptionButton(int width, int height, Glyph glyph, Press press) {
  draw::Canvas button(width, height);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const PlateLook look = LookOf(glyph, press);
  button.Fill(Path().AddRoundRect(0, 0, w, h, 3.5f), draw::Solid(look.border));
  button.Fill(Path().AddRoundRect(1, 1, w - 2, h - 2, 2.5f),
              draw::Vertical(1, h - 1, look.top, look.bottom));
  // A pressed button sinks: its shade falls on the top, its glyph moves down and right.
  const bool pressed = press == Press::kPressed;
  const float shift = pressed ? 1 : 0;
  button.Fill(Path().AddRect(2, pressed ? 1 : 1.5f, w - 4, 1),
              draw::Solid(pressed ? Hex(0x000000, 0.35f) : Hex(0xFFFFFF, 0.3f)));
  const Path mark = GlyphPath(glyph, shift, shift);
  button.Stroke(mark.Transformed(draw::Affine::Translate(0, 1)), 2,
                draw::Solid(Hex(0x000000, 0.45f)));
  button.Stroke(mark, 2, draw::Solid(look.glyph));
  return button;
}

}  // namespace

void AddCaptionButtons(Entries& entries) {
  const encode::QuantizeOptions on_caption{.matte = mattes::kCaption};
  const Press presses[] = {Press::kNormal, Press::kHover, Press::kPressed};
  for (int k = 0; k < 3; ++k) {
    const Press press = presses[k];
    AddDesign(
        entries, 3 + k, Format::kGif,
        [=](int w, int h) { return CaptionButton(w, h, Glyph::kMinimise, press); }, on_caption);
    AddDesign(
        entries, 6 + k, Format::kGif,
        [=](int w, int h) { return CaptionButton(w, h, Glyph::kClose, press); }, on_caption);
  }
}

}  // namespace tlj::artgen::art
