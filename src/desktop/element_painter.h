#pragma once
// Draws a model window as the player sees it: its background picture, then its shown elements
// back to front. Text boxes are widgets of their own and web panels show as empty panels.

#include <vector>

#include <QPainter>

#include "core/platform/element_tree.h"
#include "desktop/element_layout.h"

namespace tlj::desktop {

// `ground` is the window's picture (or none), `placed` is PlaceElements(window); `background`
// fills what the picture leaves.
void PaintWindow(QPainter& painter, const platform::Window& window, const platform::Image* ground,
                 const std::vector<PlacedElement>& placed, const QColor& background);

}  // namespace tlj::desktop
