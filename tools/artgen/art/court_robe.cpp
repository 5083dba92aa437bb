// The court figure's robe: shoulders with gold trim, a band down the front in the accent
// colour, and one of four collars.

#include "tools/artgen/art/court_figure.h"

namespace tlj::artgen::art::court {
namespace {

void DrawCollar(Figure& fig, const Look& look) {
  switch (look.collar) {
    case Collar::kRuff: {
      Path ruff;
      ruff.MoveTo(-0.42f, 0.67f);
      for (int i = 0; i < 7; ++i) {
        const float u = -0.42f + 0.12f * static_cast<float>(i);
        ruff.LineTo(u + 0.06f, 0.75f).LineTo(u + 0.12f, 0.67f);
      }
      ruff.LineTo(0.42f, 0.63f).LineTo(-0.42f, 0.63f).Close();
      fig.Shape(ruff, Hex(0xFFFFFF), 0.6f);
      return;
    }
    case Collar::kErmine: {
      // White fur with black tails, broad across the shoulders.
      fig.Shape(Path()
                    .MoveTo(-0.56f, 0.7f)
                    .CubicTo(-0.3f, 0.6f, 0.3f, 0.6f, 0.56f, 0.7f)
                    .LineTo(0.5f, 0.8f)
                    .CubicTo(0.25f, 0.72f, -0.25f, 0.72f, -0.5f, 0.8f)
                    .Close(),
                Hex(0xFBF8F0), 0.6f);
      for (const float u : {-0.4f, -0.2f, 0.2f, 0.4f})
        fig.Shape(Path().AddEllipse(u, 0.71f, 0.025f, 0.03f), kInk, 0);
      return;
    }
    case Collar::kChain: {
      fig.Shape(Path()
                    .MoveTo(-0.42f, 0.67f)
                    .CubicTo(-0.2f, 0.62f, 0.2f, 0.62f, 0.42f, 0.67f)
                    .LineTo(0.28f, 0.72f)
                    .CubicTo(0.1f, 0.69f, -0.1f, 0.69f, -0.28f, 0.72f)
                    .Close(),
                look.accent, 0.6f);
      // A gold chain over it with a pendant in the middle.
      fig.Line(Path().MoveTo(-0.36f, 0.7f).QuadTo(0, 0.86f, 0.36f, 0.7f), 1.3f, kGold);
      fig.Shape(fig.Disc(0, 0.8f, 0.07f), kGold, 0.5f);
      return;
    }
    case Collar::kYoke:
      fig.Shape(Path()
                    .MoveTo(-0.42f, 0.67f)
                    .CubicTo(-0.2f, 0.61f, 0.2f, 0.61f, 0.42f, 0.67f)
                    .LineTo(0.28f, 0.75f)
                    .CubicTo(0.1f, 0.71f, -0.1f, 0.71f, -0.28f, 0.75f)
                    .Close(),
                kGold, 0.6f);
      return;
  }
}

}  // namespace

void DrawRobe(Figure& fig, const Look& look) {
  Path robe;
  robe.MoveTo(-0.84f, 1.02f)
      .LineTo(-0.82f, 0.86f)
      .CubicTo(-0.8f, 0.74f, -0.6f, 0.68f, -0.3f, 0.66f)
      .LineTo(0.3f, 0.66f)
      .CubicTo(0.6f, 0.68f, 0.8f, 0.74f, 0.82f, 0.86f)
      .LineTo(0.84f, 1.02f)
      .Close();
  fig.Shape(robe, fig.Shaded(0.66f, 1.0f, draw::Lighten(look.robe, 0.15f), look.robe));
  // Gold trim along the shoulders, the arms as folds, a band down the front.
  for (const float side : {-1.0f, 1.0f}) {
    fig.Line(Path()
                 .MoveTo(side * 0.3f, 0.71f)
                 .CubicTo(side * 0.56f, 0.72f, side * 0.74f, 0.77f, side * 0.76f, 0.87f),
             1.2f, kGold);
    fig.Line(Path().MoveTo(side * 0.56f, 0.84f).LineTo(side * 0.54f, 1.0f), 0.8f,
             draw::Darken(look.robe, 0.45f));
  }
  fig.Shape(Path().AddPolygon({{-0.18f, 0.66f}, {0.18f, 0.66f}, {0.22f, 1.02f}, {-0.22f, 1.02f}}),
            look.accent);
  fig.Line(Path().MoveTo(-0.18f, 0.68f).LineTo(-0.22f, 1.0f), 1.0f, kGold);
  fig.Line(Path().MoveTo(0.18f, 0.68f).LineTo(0.22f, 1.0f), 1.0f, kGold);
  for (const float v : {0.8f, 0.93f})
    fig.Shape(Path().AddPolygon({{0, v - 0.05f}, {0.08f, v}, {0, v + 0.05f}, {-0.08f, v}}), kGold,
              0);
  DrawCollar(fig, look);
}

}  // namespace tlj::artgen::art::court
