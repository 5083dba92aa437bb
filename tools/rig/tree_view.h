#pragma once
// What the demo reads off a client's dump, read straight off the element tree instead: the
// same view without writing and parsing a dump on every look.

#include "core/platform/element_tree.h"
#include "tools/lobby/table_view.h"

namespace tlj::rig {

lobby_tool::TableView ViewOfTree(const platform::ElementTree& tree);

}  // namespace tlj::rig
