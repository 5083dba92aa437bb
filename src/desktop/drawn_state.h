#pragma once
// A digest of everything about a window that shows on the screen. The model's revision moves
// with every lookup of an element, most of which change nothing; a view draws again only when
// the digest moved too.

#include <cstdint>

#include "core/platform/element_tree.h"

namespace tlj::desktop {

std::uint64_t DrawnState(const platform::Window& window);

}  // namespace tlj::desktop
