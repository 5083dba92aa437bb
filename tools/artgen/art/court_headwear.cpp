// What the court figures wear on their heads: four crowns and a fur hat for the kings, a
// tiara, a pearl crown, a veil and a wreath for the queens, and four hats for the jacks.

#include <cmath>

#include "tools/artgen/art/court_figure.h"

namespace tlj::artgen::art::court {
namespace {

constexpr Rgba kGoldLight = Hex(0xFFE08A);
constexpr Rgba kPearl = Hex(0xFFF6D0);

draw::Paint Gilt(const Figure& fig, float v0, float v1) {
  return fig.Shaded(v0, v1, kGoldLight, kGold);
}

void PointedCrown(Figure& fig, const Look& look) {
  fig.Shape(Path().AddPolygon({{-0.34f, 0.31f},
                               {-0.36f, 0.06f},
                               {-0.22f, 0.17f},
                               {-0.12f, 0.02f},
                               {0, 0.15f},
                               {0.12f, 0.02f},
                               {0.22f, 0.17f},
                               {0.36f, 0.06f},
                               {0.34f, 0.31f}}),
            Gilt(fig, 0, 0.31f));
  fig.Shape(Path().AddRect(-0.35f, 0.24f, 0.7f, 0.07f), kGoldDark, 0);
  for (const float u : {-0.2f, 0.0f, 0.2f})
    fig.Shape(fig.Disc(u, 0.275f, 0.045f), u == 0 ? look.accent : look.robe, 0);
  for (const float u : {-0.36f, -0.12f, 0.12f, 0.36f})
    fig.Shape(fig.Disc(u, std::abs(u) > 0.3f ? 0.06f : 0.02f, 0.04f), kPearl, 0.4f);
}

// A velvet cap under two gold arches, an orb and cross on top.
void ArchedCrown(Figure& fig, const Look& look) {
  fig.Shape(Path().MoveTo(-0.3f, 0.26f).CubicTo(-0.32f, 0.02f, 0.32f, 0.02f, 0.3f, 0.26f).Close(),
            fig.Shaded(0.06f, 0.26f, draw::Lighten(look.hat, 0.2f), look.hat));
  fig.Line(Path().MoveTo(-0.28f, 0.25f).CubicTo(-0.26f, 0.06f, 0.26f, 0.06f, 0.28f, 0.25f), 1.1f,
           kGold);
  fig.Line(Path().MoveTo(0, 0.25f).LineTo(0, 0.08f), 1.1f, kGold);
  fig.Shape(Path().AddRect(-0.35f, 0.23f, 0.7f, 0.08f), Gilt(fig, 0.23f, 0.31f), 0.5f);
  for (const float u : {-0.2f, 0.2f}) fig.Shape(fig.Disc(u, 0.27f, 0.04f), look.accent, 0);
  fig.Shape(fig.Disc(0, 0.06f, 0.06f), kGold, 0.4f);
  fig.Line(Path().MoveTo(0, 0.04f).LineTo(0, -0.03f).MoveTo(-0.04f, 0.0f).LineTo(0.04f, 0.0f), 0.9f,
           kGold);
}

// Three tall points, each with a jewel and a trefoil of pearls.
void TrefoilCrown(Figure& fig, const Look& look) {
  fig.Shape(Path().AddPolygon({{-0.34f, 0.31f},
                               {-0.34f, 0.2f},
                               {-0.25f, 0.1f},
                               {-0.16f, 0.2f},
                               {-0.08f, 0.19f},
                               {0, 0.06f},
                               {0.08f, 0.19f},
                               {0.16f, 0.2f},
                               {0.25f, 0.1f},
                               {0.34f, 0.2f},
                               {0.34f, 0.31f}}),
            Gilt(fig, 0.06f, 0.31f));
  fig.Shape(Path().AddRect(-0.35f, 0.25f, 0.7f, 0.06f), kGoldDark, 0);
  for (const float u : {-0.25f, 0.0f, 0.25f}) {
    const float tip = u == 0 ? 0.06f : 0.1f;
    fig.Shape(fig.Disc(u, tip + 0.08f, 0.04f), look.robe, 0);
    for (const float du : {-0.05f, 0.0f, 0.05f})
      fig.Shape(fig.Disc(u + du, tip - (du == 0 ? 0.03f : 0.0f), 0.035f), kPearl, 0.3f);
  }
}

// A tall dark fur hat with a jewelled brooch.
void FurHat(Figure& fig, const Look& look) {
  fig.Shape(Path().AddRoundRect(-0.36f, 0.02f, 0.72f, 0.3f, 0.12f),
            fig.Shaded(0.02f, 0.32f, draw::Lighten(look.hat, 0.25f), look.hat));
  for (float u = -0.28f; u < 0.3f; u += 0.08f)
    fig.Line(Path().MoveTo(u, 0.06f).LineTo(u + 0.02f, 0.12f), 0.7f,
             draw::Lighten(look.hat, 0.35f));
  fig.Shape(fig.Disc(0, 0.19f, 0.08f), kGold, 0.5f);
  fig.Shape(fig.Disc(0, 0.19f, 0.045f), look.accent, 0);
  fig.Line(Path().MoveTo(0.04f, 0.14f).QuadTo(0.2f, 0.02f, 0.3f, -0.02f), 1.4f, Hex(0xFFFFFF));
}

void Tiara(Figure& fig, const Look& look) {
  fig.Shape(Path().AddPolygon({{-0.3f, 0.3f},
                               {-0.28f, 0.23f},
                               {-0.12f, 0.2f},
                               {0, 0.1f},
                               {0.12f, 0.2f},
                               {0.28f, 0.23f},
                               {0.3f, 0.3f},
                               {0, 0.26f}}),
            Gilt(fig, 0.1f, 0.3f), 0.5f);
  fig.Shape(fig.Disc(0, 0.2f, 0.045f), look.accent, 0.4f);
}

void PearlCrown(Figure& fig, const Look& look) {
  fig.Shape(Path()
                .MoveTo(-0.3f, 0.3f)
                .LineTo(-0.32f, 0.14f)
                .QuadTo(-0.2f, 0.2f, -0.14f, 0.08f)
                .QuadTo(0, 0.16f, 0.14f, 0.08f)
                .QuadTo(0.2f, 0.2f, 0.32f, 0.14f)
                .LineTo(0.3f, 0.3f)
                .Close(),
            Gilt(fig, 0.05f, 0.3f));
  for (const float u : {-0.32f, -0.14f, 0.14f, 0.32f})
    fig.Shape(fig.Disc(u, std::abs(u) > 0.3f ? 0.13f : 0.07f, 0.045f), Hex(0xFFFFFF), 0.4f);
  fig.Shape(fig.Disc(0, 0.23f, 0.05f), look.robe, 0.4f);
}

// The veil itself hangs behind the head; on top a thin gold circlet holds it.
void VeilCirclet(Figure& fig, const Look& look) {
  fig.Line(Path().MoveTo(-0.3f, 0.3f).QuadTo(0, 0.2f, 0.3f, 0.3f), 1.6f, kGold);
  fig.Shape(fig.Disc(0, 0.245f, 0.05f), look.accent, 0.4f);
}

// Leaves round the head, a berry here and there.
void Wreath(Figure& fig, const Look& look) {
  for (int k = 0; k <= 8; ++k) {
    const float a = 3.14159265f * (1 - static_cast<float>(k) / 8);
    const float u = 0.33f * std::cos(a), v = 0.3f - 0.12f * std::sin(a);
    fig.Shape(Path().AddEllipse(u, v, 0.07f, 0.035f),
              k % 2 == 0 ? look.hat : draw::Lighten(look.hat, 0.3f), 0.4f);
    if (k % 3 == 1) fig.Shape(fig.Disc(u, v - 0.03f, 0.03f), Hex(0xC8102E), 0);
  }
}

void FeatherCap(Figure& fig, const Look& look) {
  const Path feather = Path().MoveTo(0.18f, 0.2f).CubicTo(0.4f, 0.05f, 0.55f, 0.1f, 0.62f, 0.04f);
  fig.Line(feather, 3, kInk);
  fig.Line(feather, 2.2f, Hex(0xFFFFFF));
  fig.Shape(Path()
                .MoveTo(-0.4f, 0.31f)
                .CubicTo(-0.38f, 0.08f, 0.38f, 0.08f, 0.4f, 0.31f)
                .CubicTo(0.2f, 0.26f, -0.2f, 0.26f, -0.4f, 0.31f)
                .Close(),
            look.hat);
  fig.Shape(Path().AddRect(-0.36f, 0.27f, 0.72f, 0.05f), kGold, 0.4f);
}

// A broad flat cap worn aslant, with a gold pin.
void Beret(Figure& fig, const Look& look) {
  fig.Shape(Path().AddEllipse(0.06f, 0.2f, 0.46f, 0.1f),
            fig.Shaded(0.1f, 0.3f, draw::Lighten(look.hat, 0.25f), look.hat));
  fig.Shape(Path().AddRect(-0.3f, 0.24f, 0.6f, 0.06f), draw::Darken(look.hat, 0.3f), 0.4f);
  fig.Shape(fig.Disc(0.28f, 0.2f, 0.05f), kGold, 0.4f);
}

// The hood's rim round the face, with a gold edge.
void HoodRim(Figure& fig, const Look& look) {
  const Path rim = Path().MoveTo(-0.34f, 0.62f).CubicTo(-0.42f, 0.12f, 0.42f, 0.12f, 0.34f, 0.62f);
  fig.Line(rim, 2.2f, draw::Darken(look.hat, 0.25f));
  fig.Line(rim, 0.8f, kGold);
}

// A steel kettle helmet with a brim and a plume.
void Helmet(Figure& fig, const Look& look) {
  fig.Line(Path().MoveTo(0, 0.1f).CubicTo(0.1f, 0.04f, 0.3f, 0.06f, 0.42f, 0.16f), 2.6f,
           look.accent);
  fig.Shape(Path().MoveTo(-0.32f, 0.29f).CubicTo(-0.34f, 0.02f, 0.34f, 0.02f, 0.32f, 0.29f).Close(),
            fig.Shaded(0.06f, 0.29f, Hex(0xF4F6FA), look.hat));
  fig.Shape(Path().AddRoundRect(-0.44f, 0.27f, 0.88f, 0.06f, 0.02f), look.hat, 0.6f);
  for (const float u : {-0.18f, 0.0f, 0.18f})
    fig.Shape(fig.Disc(u, 0.22f, 0.025f), draw::Darken(look.hat, 0.4f), 0);
}

}  // namespace

void DrawHeadwear(Figure& fig, const Look& look) {
  switch (look.headwear) {
    case Headwear::kPointedCrown:
      return PointedCrown(fig, look);
    case Headwear::kArchedCrown:
      return ArchedCrown(fig, look);
    case Headwear::kTrefoilCrown:
      return TrefoilCrown(fig, look);
    case Headwear::kFurHat:
      return FurHat(fig, look);
    case Headwear::kTiara:
      return Tiara(fig, look);
    case Headwear::kPearlCrown:
      return PearlCrown(fig, look);
    case Headwear::kVeil:
      return VeilCirclet(fig, look);
    case Headwear::kWreath:
      return Wreath(fig, look);
    case Headwear::kFeatherCap:
      return FeatherCap(fig, look);
    case Headwear::kBeret:
      return Beret(fig, look);
    case Headwear::kHood:
      return HoodRim(fig, look);
    case Headwear::kHelmet:
      return Helmet(fig, look);
  }
}

}  // namespace tlj::artgen::art::court
