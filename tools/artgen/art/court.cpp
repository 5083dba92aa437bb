#include "tools/artgen/art/court.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/art/suits.h"

namespace tlj::artgen::art {
namespace {

using draw::Hex;
using draw::Path;
using draw::Rgba;

constexpr Rgba kGold = Hex(0xE8B030);
constexpr Rgba kGoldDark = Hex(0x8A5A10);
constexpr Rgba kSkin = Hex(0xF8D6B6);
constexpr Rgba kInk = Hex(0x1E1A18, 0.9f);

// Figure coordinates: u across the panel (-1 left edge .. 1 right edge), v down the upper half
// (0 top of the panel .. 1 its middle).
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
    const Path p = unit.Transformed({f_.half_width, 0, 0, f_.half_height, f_.cx, f_.top});
    layer_.Fill(p, paint);
    if (outline > 0) layer_.Stroke(p, outline * f_.scale, draw::Solid(kInk));
  }
  void Shape(const Path& unit, Rgba colour, float outline = 0.8f) {
    Shape(unit, draw::Solid(colour), outline);
  }
  void Line(const Path& unit, float width, Rgba colour) {
    layer_.Stroke(unit.Transformed({f_.half_width, 0, 0, f_.half_height, f_.cx, f_.top}),
                  width * f_.scale, draw::Solid(colour));
  }
  const Frame& frame() const { return f_; }

 private:
  draw::Canvas& layer_;
  Frame f_;
};

struct Dress {
  Rgba robe, accent, hair;
};

void DrawRobe(Figure& fig, const Dress& dress, int rank) {
  Path robe;
  robe.MoveTo(-0.84f, 1.02f)
      .LineTo(-0.82f, 0.86f)
      .CubicTo(-0.8f, 0.74f, -0.6f, 0.68f, -0.3f, 0.66f)
      .LineTo(0.3f, 0.66f)
      .CubicTo(0.6f, 0.68f, 0.8f, 0.74f, 0.82f, 0.86f)
      .LineTo(0.84f, 1.02f)
      .Close();
  fig.Shape(robe, draw::Vertical(fig.frame().Y(0.66f), fig.frame().Y(1.0f),
                                 draw::Lighten(dress.robe, 0.12f), dress.robe));
  // Gold trim along the shoulders, the arms as folds, a band down the front.
  for (const float side : {-1.0f, 1.0f}) {
    fig.Line(Path()
                 .MoveTo(side * 0.3f, 0.71f)
                 .CubicTo(side * 0.56f, 0.72f, side * 0.74f, 0.77f, side * 0.76f, 0.87f),
             1.2f, kGold);
    fig.Line(Path().MoveTo(side * 0.56f, 0.84f).LineTo(side * 0.54f, 1.0f), 0.8f,
             draw::Darken(dress.robe, 0.45f));
  }
  fig.Shape(Path().AddPolygon({{-0.18f, 0.66f}, {0.18f, 0.66f}, {0.22f, 1.02f}, {-0.22f, 1.02f}}),
            dress.accent);
  fig.Line(Path().MoveTo(-0.18f, 0.68f).LineTo(-0.22f, 1.0f), 1.0f, kGold);
  fig.Line(Path().MoveTo(0.18f, 0.68f).LineTo(0.22f, 1.0f), 1.0f, kGold);
  for (const float v : {0.8f, 0.93f})
    fig.Shape(Path().AddPolygon({{0, v - 0.05f}, {0.08f, v}, {0, v + 0.05f}, {-0.08f, v}}), kGold,
              0);
  // The collar: a gold yoke for the king and jack, a white ruff for the queen.
  if (rank == 12) {
    Path ruff;
    ruff.MoveTo(-0.42f, 0.67f);
    for (int i = 0; i < 7; ++i) {
      const float u = -0.42f + 0.12f * static_cast<float>(i);
      ruff.LineTo(u + 0.06f, 0.75f).LineTo(u + 0.12f, 0.67f);
    }
    ruff.LineTo(0.42f, 0.63f).LineTo(-0.42f, 0.63f).Close();
    fig.Shape(ruff, Hex(0xFFFFFF), 0.6f);
  } else {
    fig.Shape(Path()
                  .MoveTo(-0.42f, 0.67f)
                  .CubicTo(-0.2f, 0.61f, 0.2f, 0.61f, 0.42f, 0.67f)
                  .LineTo(0.28f, 0.75f)
                  .CubicTo(0.1f, 0.71f, -0.1f, 0.71f, -0.28f, 0.75f)
                  .Close(),
              kGold, 0.6f);
  }
}

void DrawHead(Figure& fig, const Dress& dress, int rank) {
  const float cy = 0.44f;
  // Hair behind the head: long for the queen.
  if (rank == 12) {
    fig.Shape(Path()
                  .MoveTo(-0.36f, 0.4f)
                  .CubicTo(-0.38f, 0.2f, 0.38f, 0.2f, 0.36f, 0.4f)
                  .CubicTo(0.38f, 0.52f, 0.44f, 0.6f, 0.4f, 0.68f)
                  .LineTo(-0.4f, 0.68f)
                  .CubicTo(-0.44f, 0.6f, -0.38f, 0.52f, -0.36f, 0.4f)
                  .Close(),
              dress.hair);
  } else {
    fig.Shape(Path().AddEllipse(0, cy - 0.02f, 0.35f, 0.21f), dress.hair);
  }
  fig.Shape(Path().AddEllipse(0, cy, 0.29f, 0.185f), kSkin);
  if (rank == 13) {
    // The king's beard.
    fig.Shape(Path()
                  .MoveTo(-0.26f, cy)
                  .CubicTo(-0.24f, cy + 0.16f, -0.1f, cy + 0.22f, 0, cy + 0.26f)
                  .CubicTo(0.1f, cy + 0.22f, 0.24f, cy + 0.16f, 0.26f, cy)
                  .CubicTo(0.15f, cy + 0.08f, -0.15f, cy + 0.08f, -0.26f, cy)
                  .Close(),
              Hex(0xF2F0EA), 0.6f);
    fig.Line(Path().MoveTo(-0.12f, cy + 0.055f).QuadTo(0, cy + 0.03f, 0.12f, cy + 0.055f), 1.0f,
             Hex(0x8C8C8C));
  } else {
    fig.Line(Path().MoveTo(-0.07f, cy + 0.09f).QuadTo(0, cy + 0.115f, 0.07f, cy + 0.09f), 0.9f,
             Hex(0xB0303A));
  }
  for (const float u : {-0.1f, 0.1f})
    fig.Shape(Path().AddEllipse(u, cy - 0.015f, 0.035f, 0.025f), kInk, 0);
  if (rank == 12)
    for (const float u : {-0.16f, 0.16f})
      fig.Shape(Path().AddCircle(u, cy + 0.05f, 0.045f), Hex(0xF4A0A0, 0.6f), 0);
}

void DrawHeadwear(Figure& fig, const Dress& dress, int rank) {
  if (rank == 13) {
    // A five-pointed crown with jewels on its band.
    fig.Shape(Path().AddPolygon({{-0.34f, 0.31f},
                                 {-0.36f, 0.06f},
                                 {-0.22f, 0.17f},
                                 {-0.12f, 0.02f},
                                 {0, 0.15f},
                                 {0.12f, 0.02f},
                                 {0.22f, 0.17f},
                                 {0.36f, 0.06f},
                                 {0.34f, 0.31f}}),
              draw::Vertical(fig.frame().Y(0), fig.frame().Y(0.31f), Hex(0xFFE08A), kGold));
    fig.Shape(Path().AddRect(-0.35f, 0.24f, 0.7f, 0.07f), kGoldDark, 0);
    for (const float u : {-0.2f, 0.0f, 0.2f})
      fig.Shape(Path().AddCircle(u, 0.275f, 0.045f), u == 0 ? dress.accent : dress.robe, 0);
    for (const float u : {-0.36f, -0.12f, 0.12f, 0.36f})
      fig.Shape(Path().AddCircle(u, u == -0.36f || u == 0.36f ? 0.06f : 0.02f, 0.04f),
                Hex(0xFFF6D0), 0.4f);
  } else if (rank == 12) {
    // A rounded crown with a pearl on each arch.
    fig.Shape(Path()
                  .MoveTo(-0.3f, 0.3f)
                  .LineTo(-0.32f, 0.14f)
                  .QuadTo(-0.2f, 0.2f, -0.14f, 0.08f)
                  .QuadTo(0, 0.16f, 0.14f, 0.08f)
                  .QuadTo(0.2f, 0.2f, 0.32f, 0.14f)
                  .LineTo(0.3f, 0.3f)
                  .Close(),
              draw::Vertical(fig.frame().Y(0.05f), fig.frame().Y(0.3f), Hex(0xFFE08A), kGold));
    for (const float u : {-0.32f, -0.14f, 0.14f, 0.32f})
      fig.Shape(Path().AddCircle(u, u == -0.32f || u == 0.32f ? 0.13f : 0.07f, 0.045f),
                Hex(0xFFFFFF), 0.4f);
    fig.Shape(Path().AddCircle(0, 0.23f, 0.05f), dress.robe, 0.4f);
  } else {
    // The jack's cap with a feather.
    fig.Line(Path().MoveTo(0.18f, 0.2f).CubicTo(0.4f, 0.05f, 0.55f, 0.1f, 0.62f, 0.02f), 2.2f,
             dress.robe);
    fig.Shape(Path()
                  .MoveTo(-0.4f, 0.31f)
                  .CubicTo(-0.38f, 0.08f, 0.38f, 0.08f, 0.4f, 0.31f)
                  .CubicTo(0.2f, 0.26f, -0.2f, 0.26f, -0.4f, 0.31f)
                  .Close(),
              dress.accent);
    fig.Shape(Path().AddRect(-0.36f, 0.27f, 0.72f, 0.05f), kGold, 0.4f);
  }
}

// What the figure holds, on the side away from the small suit symbol.
void DrawEmblem(Figure& fig, const Dress& dress, int rank) {
  if (rank == 13) {
    fig.Line(Path().MoveTo(0.68f, 1.0f).LineTo(0.68f, 0.3f), 1.6f, kGoldDark);
    fig.Line(Path().MoveTo(0.68f, 1.0f).LineTo(0.68f, 0.3f), 0.8f, kGold);
    fig.Shape(Path().AddCircle(0.68f, 0.26f, 0.07f), kGold, 0.6f);
  } else if (rank == 12) {
    fig.Line(Path().MoveTo(0.66f, 0.95f).QuadTo(0.62f, 0.7f, 0.68f, 0.5f), 1.1f, Hex(0x2E8B3A));
    for (int i = 0; i < 5; ++i) {
      const float a = 1.2566f * static_cast<float>(i);
      fig.Shape(Path().AddCircle(0.68f + 0.07f * std::cos(a), 0.46f + 0.045f * std::sin(a), 0.05f),
                dress.robe, 0.4f);
    }
    fig.Shape(Path().AddCircle(0.68f, 0.46f, 0.04f), kGold, 0);
  } else {
    fig.Line(Path().MoveTo(0.7f, 1.0f).LineTo(0.7f, 0.36f), 1.3f, Hex(0x6B4420));
    fig.Shape(Path().AddPolygon({{0.7f, 0.24f}, {0.77f, 0.38f}, {0.7f, 0.42f}, {0.63f, 0.38f}}),
              Hex(0xD8DCE4), 0.6f);
  }
}

}  // namespace

void DrawCourt(draw::Canvas& card, const CardLayout& l, int suit, int rank) {
  const float x0 = 0.215f * l.width, x1 = l.width - x0;
  const float y0 = 0.135f * l.height, y1 = l.height - y0, mid = l.height / 2;
  const bool red = SuitColour(suit).r > 0.5f;
  const Dress dress{red ? kCardRed : Hex(0x22306E), red ? Hex(0x2D55B8) : kCardRed,
                    rank == 13   ? Hex(0xE6E2DA)
                    : rank == 12 ? Hex(0x9A4E22)
                                 : Hex(0x7A4A1E)};

  const Path panel = Path().AddRoundRect(x0, y0, x1 - x0, y1 - y0, 2 * l.scale);
  card.Fill(panel, draw::Vertical(y0, mid, Hex(0xFFF8E8), Hex(0xF6E7C6)));

  draw::Canvas half(card.Width(), card.Height());
  Figure fig(half, {l.width / 2, y0, (x1 - x0) / 2, mid - y0, l.scale});
  DrawRobe(fig, dress, rank);
  DrawEmblem(fig, dress, rank);
  DrawHead(fig, dress, rank);
  DrawHeadwear(fig, dress, rank);
  half.Fill(SuitSymbol(suit, fig.frame().X(-0.72f), fig.frame().Y(0.14f), 0.2f * (mid - y0)),
            draw::Solid(SuitColour(suit)));
  // The figure is cut at the middle and repeated upside down below it.
  half.Clip(card.Coverage(Path().AddRect(x0, y0, x1 - x0, mid - y0)));
  card.Draw(half);
  card.Draw(half.Rotated180());

  card.Stroke(Path().MoveTo(x0, mid).LineTo(x1, mid), 0.8f * l.scale, draw::Solid(kGoldDark));
  card.Stroke(panel, 1.0f * l.scale, draw::Solid(SuitColour(suit)));
  card.Stroke(Path().AddRoundRect(x0 + 2 * l.scale, y0 + 2 * l.scale, x1 - x0 - 4 * l.scale,
                                  y1 - y0 - 4 * l.scale, l.scale),
              0.7f * l.scale, draw::Solid(kGold));
}

}  // namespace tlj::artgen::art
