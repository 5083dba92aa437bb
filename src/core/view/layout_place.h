#pragma once
// Helpers shared by the parts of the layout pass: designed positions are in pixels of a
// 1024 x 768 surface and are scaled by LayoutScale when placed.

#include "core/platform/element_tree.h"
#include "core/view/layout.h"

namespace tlj::view::layout {

inline double Scaled(double design) {
  return design * LayoutScale;
}

inline void MoveTo(platform::Element& e, double left, double top) {
  e.left = Scaled(left);
  e.top = Scaled(top);
}

// A sized picture element shows its picture stretched to the size.
inline void Resize(platform::Element& e, double width, double height) {
  e.width = Scaled(width);
  e.height = Scaled(height);
  e.stretch = true;
}

inline void Place(platform::Element& e, double left, double top, double width, double height) {
  MoveTo(e, left, top);
  Resize(e, width, height);
}

// The top of the cards of screen position 2: just below the top bar.
int CardTop2Now();

void LayoutPotPanel();

}  // namespace tlj::view::layout
