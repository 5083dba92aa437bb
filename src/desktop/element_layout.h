#pragma once
// Where a window's elements stand on the screen and which of them takes the mouse: each
// element's rectangle in window pixels (an element in a picture box counts from the box), in
// the order they are drawn.

#include <vector>

#include <QPoint>
#include <QRect>

#include "core/platform/element_tree.h"

namespace tlj::desktop {

struct PlacedElement {
  const platform::Element* element = nullptr;
  QRect rect;            // the whole element, in window pixels
  QRect clip;            // what of it shows: a picture box clips what it holds
  bool enabled = false;  // it and its containers are enabled
};

// The element's size on the screen: its own, or for a label sized to its caption, the
// caption's in the element's font.
QSize Size(const platform::Element& e);

// The shown elements of `window` back to front: the window's own elements in stacking order,
// each picture box followed at once by what it holds (in their stacking order), since a box
// and its contents stand together in front of what is behind the box.
std::vector<PlacedElement> PlaceElements(const platform::Window& window);

// The frontmost element at `point` that takes mouse input (shown, enabled and not a
// component), or null.
const PlacedElement* ElementAt(const std::vector<PlacedElement>& placed, QPoint point);

// The list line under `y` (pixels from the list's top), or -1 below the last line.
int ListLineAt(const platform::Element& list, int y);

}  // namespace tlj::desktop
