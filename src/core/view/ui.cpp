#include "core/view/ui.h"

#include <string>

namespace tlj::view {

void ClearSysmsg(int line) {
  El("Sysmsg", line).lines.clear();
}

void AddSysmsg(int line, std::string_view text) {
  El("Sysmsg", line).lines.emplace_back(text);
}

}  // namespace tlj::view
