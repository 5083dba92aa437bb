#pragma once
// Pieces that the panels on the table share: a gilt-edged lacquer plaque and a recessed light
// field for the program's own text.

#include "tools/artgen/draw/canvas.h"

namespace tlj::artgen::art {

// A rounded plaque filling the rectangle: gold edge, lacquer face with a sheen on top.
void DrawPlaque(draw::Canvas& canvas, float x, float y, float w, float h, float radius);

// A parchment field sunk into what is around it: shade inside its top, light below it.
void DrawWell(draw::Canvas& canvas, float x, float y, float w, float h, float radius);

}  // namespace tlj::artgen::art
