// What each court figure holds in its hand, on the side away from the small suit symbol.

#include <cmath>

#include "tools/artgen/art/court_figure.h"

namespace tlj::artgen::art::court {
namespace {

constexpr float kHandU = 0.69f, kHandV = 0.86f;

void Pole(Figure& fig, float u, float top, Rgba colour) {
  fig.Line(Path().MoveTo(u, 1.0f).LineTo(u, top), 1.6f, kInk);
  fig.Line(Path().MoveTo(u, 1.0f).LineTo(u, top), 0.9f, colour);
}

void Axe(Figure& fig) {
  Pole(fig, 0.7f, 0.3f, kWood);
  fig.Shape(Path().AddPolygon(
                {{0.7f, 0.31f}, {0.88f, 0.22f}, {0.94f, 0.36f}, {0.88f, 0.5f}, {0.7f, 0.42f}}),
            fig.Shaded(0.22f, 0.5f, Hex(0xFFFFFF), kSteel), 0.6f);
}

void Orb(Figure& fig) {
  const float u = kHandU, v = 0.72f;
  fig.Shape(fig.Disc(u, v, 0.14f), fig.Shaded(v - 0.08f, v + 0.08f, Hex(0xFFE08A), kGoldDark));
  fig.Line(Path().MoveTo(u - 0.13f, v).LineTo(u + 0.13f, v), 0.8f, kGoldDark);
  fig.Line(Path().MoveTo(u, v - 0.08f).LineTo(u, v - 0.2f), 1.1f, kGold);
  fig.Line(Path().MoveTo(u - 0.05f, v - 0.16f).LineTo(u + 0.05f, v - 0.16f), 1.1f, kGold);
}

void Sceptre(Figure& fig) {
  Pole(fig, 0.68f, 0.3f, kGold);
  fig.Shape(fig.Disc(0.68f, 0.27f, 0.07f), kGold, 0.6f);
  for (const float du : {-0.06f, 0.0f, 0.06f})
    fig.Shape(fig.Disc(0.68f + du, du == 0 ? 0.19f : 0.22f, 0.035f), Hex(0xFFF6D0), 0.3f);
}

void Sword(Figure& fig) {
  fig.Shape(Path().AddPolygon(
                {{0.67f, 0.78f}, {0.67f, 0.18f}, {0.7f, 0.1f}, {0.73f, 0.18f}, {0.73f, 0.78f}}),
            draw::Solid(kSteel), 0.6f);
  fig.Line(Path().MoveTo(0.7f, 0.76f).LineTo(0.7f, 0.2f), 0.5f, Hex(0x9AA0AA));
  fig.Shape(Path().AddRect(0.58f, 0.77f, 0.24f, 0.04f), kGold, 0.5f);
  fig.Shape(fig.Disc(0.7f, 0.97f, 0.04f), kGold, 0.4f);
}

// An open folding fan, its ribs gold.
void Fan(Figure& fig, const Look& look) {
  const float u = 0.66f, v = 0.84f, r = 0.3f;
  const float stretch = 1.7f;  // a unit down is shorter on the card than a unit across
  Path fan = Path().MoveTo(u, v);
  for (int k = 0; k <= 12; ++k) {
    const float a = -2.7f + 2.2f * static_cast<float>(k) / 12;
    fan.LineTo(u + r * std::cos(a), v + r * std::sin(a) / stretch);
  }
  fig.Shape(fan.Close(), look.accent, 0.6f);
  for (int k = 1; k < 6; ++k) {
    const float a = -2.7f + 2.2f * static_cast<float>(k) / 6;
    fig.Line(Path().MoveTo(u, v).LineTo(u + r * std::cos(a), v + r * std::sin(a) / stretch), 0.5f,
             kGold);
  }
}

void Rose(Figure& fig, const Look& look) {
  fig.Line(Path().MoveTo(0.66f, 0.95f).QuadTo(0.62f, 0.7f, 0.68f, 0.5f), 1.1f, kLeaf);
  for (int i = 0; i < 5; ++i) {
    const float a = 1.2566f * static_cast<float>(i);
    fig.Shape(fig.Disc(0.68f + 0.07f * std::cos(a), 0.46f + 0.045f * std::sin(a), 0.05f),
              Hex(0xD02040), 0.4f);
  }
  fig.Shape(fig.Disc(0.68f, 0.46f, 0.04f), look.accent, 0);
}

void Tulip(Figure& fig, const Look& look) {
  fig.Line(Path().MoveTo(0.68f, 0.95f).LineTo(0.68f, 0.5f), 1.1f, kLeaf);
  fig.Shape(Path().AddEllipse(0.6f, 0.66f, 0.05f, 0.08f), kLeaf, 0.4f);
  fig.Shape(Path().AddPolygon({{0.6f, 0.36f},
                               {0.64f, 0.42f},
                               {0.68f, 0.35f},
                               {0.72f, 0.42f},
                               {0.76f, 0.36f},
                               {0.75f, 0.49f},
                               {0.61f, 0.49f}}),
            fig.Shaded(0.35f, 0.5f, Hex(0xF86890), look.robe), 0.5f);
}

// A round hand mirror in a gold frame.
void Mirror(Figure& fig) {
  Pole(fig, 0.69f, 0.5f, kGold);
  fig.Shape(fig.Disc(0.69f, 0.42f, 0.13f), kGold, 0.6f);
  fig.Shape(fig.Disc(0.69f, 0.42f, 0.09f), fig.Shaded(0.36f, 0.48f, Hex(0xF2FAFF), Hex(0x8AB4D8)),
            0);
}

void Halberd(Figure& fig) {
  Pole(fig, 0.7f, 0.1f, kWood);
  fig.Shape(Path().AddPolygon({{0.7f, 0.02f}, {0.74f, 0.13f}, {0.66f, 0.13f}}), kSteel, 0.5f);
  fig.Shape(Path().AddPolygon(
                {{0.7f, 0.16f}, {0.86f, 0.14f}, {0.9f, 0.24f}, {0.86f, 0.34f}, {0.7f, 0.3f}}),
            fig.Shaded(0.14f, 0.34f, Hex(0xFFFFFF), kSteel), 0.6f);
}

// A knotted wooden club, thick at the top.
void Club(Figure& fig) {
  fig.Shape(Path().AddPolygon({{0.66f, 1.0f},
                               {0.73f, 1.0f},
                               {0.8f, 0.38f},
                               {0.76f, 0.3f},
                               {0.66f, 0.3f},
                               {0.6f, 0.38f}}),
            fig.Shaded(0.3f, 1.0f, Hex(0xA87040), kWood), 0.6f);
  for (const float v : {0.42f, 0.56f})
    fig.Shape(fig.Disc(v == 0.42f ? 0.64f : 0.76f, v, 0.025f), Hex(0x3A2410), 0);
}

// A pennant on a pole, in the accent colour with a gold edge.
void Banner(Figure& fig, const Look& look) {
  Pole(fig, 0.7f, 0.06f, kWood);
  fig.Shape(Path().AddPolygon({{0.71f, 0.1f}, {0.98f, 0.18f}, {0.71f, 0.3f}}), look.accent, 0.6f);
  fig.Line(Path().MoveTo(0.73f, 0.2f).LineTo(0.86f, 0.19f), 0.7f, kGold);
  fig.Shape(fig.Disc(0.7f, 0.05f, 0.04f), kGold, 0.4f);
}

void Spear(Figure& fig) {
  Pole(fig, 0.7f, 0.36f, kWood);
  fig.Shape(Path().AddPolygon({{0.7f, 0.24f}, {0.77f, 0.38f}, {0.7f, 0.42f}, {0.63f, 0.38f}}),
            kSteel, 0.6f);
}

void DrawObject(Figure& fig, const Look& look) {
  switch (look.held) {
    case Held::kAxe:
      return Axe(fig);
    case Held::kOrb:
      return Orb(fig);
    case Held::kSceptre:
      return Sceptre(fig);
    case Held::kSword:
      return Sword(fig);
    case Held::kFan:
      return Fan(fig, look);
    case Held::kRose:
      return Rose(fig, look);
    case Held::kTulip:
      return Tulip(fig, look);
    case Held::kMirror:
      return Mirror(fig);
    case Held::kHalberd:
      return Halberd(fig);
    case Held::kClub:
      return Club(fig);
    case Held::kBanner:
      return Banner(fig, look);
    case Held::kSpear:
      return Spear(fig);
  }
}

}  // namespace

void DrawHeld(Figure& fig, const Look& look) {
  DrawObject(fig, look);
  // The hand that holds it (the orb rests on it).
  fig.Shape(fig.Disc(kHandU, kHandV, 0.075f), kSkin, 0.6f);
}

}  // namespace tlj::artgen::art::court
