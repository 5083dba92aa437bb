#include "tools/artgen/art/court.h"

#include "tools/artgen/art/court_figure.h"
#include "tools/artgen/art/suits.h"

namespace tlj::artgen::art {

using draw::Hex;
using draw::Path;

void DrawCourt(draw::Canvas& card, const CardLayout& l, int suit, int rank) {
  const float x0 = 0.215f * l.width, x1 = l.width - x0;
  const float y0 = 0.135f * l.height, y1 = l.height - y0, mid = l.height / 2;

  const Path panel = Path().AddRoundRect(x0, y0, x1 - x0, y1 - y0, 2 * l.scale);
  card.Fill(panel, draw::Vertical(y0, mid, Hex(0xFFF8E8), Hex(0xF6E7C6)));

  draw::Canvas half(card.Width(), card.Height());
  court::Figure fig(half, {l.width / 2, y0, (x1 - x0) / 2, mid - y0, l.scale});
  const court::Look look = court::LookOf(suit, rank);
  court::DrawRobe(fig, look);
  court::DrawHeld(fig, look);
  court::DrawHead(fig, look);
  court::DrawHeadwear(fig, look);
  const draw::Point mark = fig.At(-0.72f, 0.14f);
  half.Fill(SuitSymbol(suit, mark.x, mark.y, 0.2f * (mid - y0)), draw::Solid(SuitColour(suit)));
  // The figure is cut at the middle and repeated upside down below it.
  half.Clip(card.Coverage(Path().AddRect(x0, y0, x1 - x0, mid - y0)));
  card.Draw(half);
  card.Draw(half.Rotated180());

  card.Stroke(Path().MoveTo(x0, mid).LineTo(x1, mid), 0.8f * l.scale,
              draw::Solid(court::kGoldDark));
  card.Stroke(panel, 1.0f * l.scale, draw::Solid(SuitColour(suit)));
  card.Stroke(Path().AddRoundRect(x0 + 2 * l.scale, y0 + 2 * l.scale, x1 - x0 - 4 * l.scale,
                                  y1 - y0 - 4 * l.scale, l.scale),
              0.7f * l.scale, draw::Solid(court::kGold));
}

}  // namespace tlj::artgen::art
