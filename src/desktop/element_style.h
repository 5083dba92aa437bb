#pragma once
// How the model's colours and fonts look on the screen.

#include <QColor>
#include <QFont>

#include "core/platform/element_tree.h"

namespace tlj::desktop {

// A model colour, 0xBBGGRR.
QColor ModelColor(int bgr);

// The element's font: the designs' Chinese font names map to the installed CJK faces (the Song,
// Kai, Li and Fangsong styles to the serif face, the rest to the sans face), and sizes in points
// are taken at the 96 dots per inch the designs were laid out for.
QFont ElementFont(const platform::Element& element);

// The distance from the top of a text line to its baseline as the designs' fonts have it; the
// CJK faces we draw with are taller, so text is placed by this rather than by their ascent.
int DesignAscent(const QFont& font);

// The ground of the table surface: a picture box shows it where it has no picture of its own.
inline constexpr int kTableGround = 0x325A16;

}  // namespace tlj::desktop
