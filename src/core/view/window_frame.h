#pragma once
// The table window's own border, painted from the skin picture, and its caption elements.

namespace tlj::view {

// Paints the eight border pieces of `Skin` onto the table window at its present size, places
// the icon and brings the close and minimise buttons, in their normal pictures, to the front.
void PaintFrame();

}  // namespace tlj::view
