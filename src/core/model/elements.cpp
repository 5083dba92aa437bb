#include "core/model/elements.h"

#include <algorithm>
#include <string>

namespace tlj::model {

void SendToBack(platform::Element& e) {
  auto& surface = El("Pic1");
  int lowest = e.z + 1;
  for (const auto& other : Win().elements)
    if (other.get() != &e && other.get() != &surface) lowest = std::min(lowest, other->z);
  e.z = lowest - 1;
  surface.z = std::min(surface.z, e.z - 1);
}

void HideClock() {
  El("Time_Img").visible = false;
  El("Number").visible = false;
}

void ClearSysmsg(int line) {
  El("Sysmsg", line).lines.clear();
}

void AddSysmsg(int line, std::string_view text) {
  El("Sysmsg", line).lines.emplace_back(text);
}

}  // namespace tlj::model
