#include "tools/artgen/art/widgets.h"

#include <algorithm>

namespace tlj::artgen::art {

using draw::Canvas;
using draw::Mask;
using draw::Path;
using draw::Rgba;

KeyTheme ForState(const KeyTheme& theme, State state) {
  switch (state) {
    case State::kNormal:
      return theme;
    case State::kHover:
      return {draw::Lighten(draw::Brighten(theme.top, 1.3f), 0.08f),
              draw::Brighten(theme.bottom, 1.3f),
              kGlowGold,
              theme.hover_text,
              theme.text_shadow,
              theme.hover_text};
    case State::kGreyed: {
      const auto grey = [](Rgba c) { return draw::Lighten(draw::Desaturate(c, 0.9f), 0.25f); };
      return {grey(theme.top),
              grey(theme.bottom),
              grey(theme.border),
              draw::Hex(0x8C8C8C),
              draw::WithAlpha(draw::Hex(0xFFFFFF), 0.45f),
              draw::Hex(0x8C8C8C)};
    }
  }
  return theme;
}

void DrawGlow(Canvas& canvas, const Mask& shape, float reach, Rgba colour) {
  Mask halo = shape.Dilated(reach * 0.6f).Blurred(reach * 0.45f);
  halo.Scale(1.6f);
  canvas.Fill(halo, draw::Solid(colour));
}

void DrawLabel(Canvas& canvas, std::string_view label, const draw::TextStyle& text, float cx,
               float cy, Rgba colour, Rgba shadow) {
  const Mask glyphs = draw::CentredText(canvas.Width(), canvas.Height(), text, label, cx, cy);
  if (shadow.a > 0 && !draw::Crisp(text)) canvas.Fill(glyphs.Shifted(0, 1), draw::Solid(shadow));
  canvas.Fill(glyphs, draw::Solid(colour));
}

void DrawKey(Canvas& canvas, float x, float y, float w, float h, const KeyTheme& base,
             const KeyShape& shape, State state, std::string_view label,
             const draw::TextStyle& text) {
  const KeyTheme theme = ForState(base, state);
  const float r = shape.radius;
  const Path outline = Path().AddRoundRect(x, y, w, h, r);
  const Mask body = canvas.Coverage(outline);
  if (state == State::kHover) DrawGlow(canvas, body, shape.margin + 1, kGlowGold);
  canvas.Fill(body, draw::Solid(theme.border));
  const Path face = Path().AddRoundRect(x + 1, y + 1, w - 2, h - 2, std::max(0.0f, r - 1));
  canvas.Fill(face, draw::Vertical(y + 1, y + h - 1, theme.top, theme.bottom));
  if (shape.gloss > 0 && state != State::kGreyed) {
    // A sheen on the upper half, fading downwards, kept inside the face.
    Mask sheen = canvas.Coverage(
        Path().AddRoundRect(x + 2, y + 1.5f, w - 4, (h - 2) * 0.48f, std::max(0.0f, r - 1.5f)));
    sheen.Intersect(canvas.Coverage(face));
    canvas.Fill(sheen, draw::Vertical(y + 1, y + h * 0.5f,
                                      draw::WithAlpha(draw::Hex(0xFFFFFF), shape.gloss),
                                      draw::WithAlpha(draw::Hex(0xFFFFFF), shape.gloss * 0.15f)));
  }
  if (state == State::kHover) {
    // The rim lights up on the inside too.
    Mask rim = canvas.Coverage(face);
    rim.Subtract(canvas.Coverage(
        Path().AddRoundRect(x + 2.5f, y + 2.5f, w - 5, h - 5, std::max(0.0f, r - 2.5f))));
    canvas.Fill(rim, draw::Solid(draw::WithAlpha(draw::Hex(0xFFF2B0), 0.55f)));
  }
  if (!label.empty())
    DrawLabel(canvas, label, text, x + w / 2, y + h / 2, theme.text, theme.text_shadow);
}

Canvas Key(int width, int height, const KeyTheme& theme, const KeyShape& shape, State state,
           std::string_view label, const draw::TextStyle& text) {
  Canvas canvas(width, height);
  const float m = shape.margin;
  DrawKey(canvas, m, m, static_cast<float>(width) - 2 * m, static_cast<float>(height) - 2 * m,
          theme, shape, state, label, text);
  return canvas;
}

}  // namespace tlj::artgen::art
