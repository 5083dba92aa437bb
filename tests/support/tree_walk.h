#pragma once
// Walks a client's whole element tree and reports what a person would see as broken: a
// window without a size, an element no design made, a visible element that lies wholly
// outside the container it belongs to.

#include <string>
#include <vector>

#include "core/platform/element_tree.h"

namespace tlj::testing {

// One line per fault, empty when there is none.
std::vector<std::string> TreeFaults(const platform::ElementTree& tree);

}  // namespace tlj::testing
