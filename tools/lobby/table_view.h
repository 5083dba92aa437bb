#pragma once
// What the lobby looks at in a dump of the client: the table window's caption and state and
// its two status lines.

#include <string>
#include <string_view>
#include <vector>

namespace tlj::lobby_tool {

struct TableView {
  std::string caption;
  bool minimized = false;
  std::vector<std::string> status_lines[2];  // the lines of Sysmsg(0) and Sysmsg(1)
};

// Throws std::runtime_error when the text is no dump or has no table window.
TableView ReadTableView(std::string_view dump_json);

}  // namespace tlj::lobby_tool
