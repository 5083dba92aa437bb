#pragma once
// Pieces that the grounds of the small windows share: a lacquer edge round a flat parchment
// field, a lacquer title strip, lighter cards and hairlines. The program writes black text on
// the fields, so they stay flat: no grain, no gradient under the letters.

#include <string_view>

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art {

// The whole canvas: a dark rim, lacquer and a gold line, `border` pixels in all (at least 2),
// round a flat parchment field.
void DrawGround(draw::Canvas& canvas, int border);

// A lacquer strip across the top, `height` pixels high, with a gold line at its foot.
void DrawStrip(draw::Canvas& canvas, int height);
// The same strip with the title in gold in its middle.
void DrawTitleStrip(draw::Canvas& canvas, int height, std::string_view title);

// A flat light card with a thin brown line round it: where lists, names and figures stand.
void DrawCard(draw::Canvas& canvas, int x, int y, int w, int h);

// A faint brown line filling the rectangle: one pixel high across, or one pixel wide down.
void DrawRule(draw::Canvas& canvas, int x, int y, int w, int h = 1);

}  // namespace tlj::artgen::art
