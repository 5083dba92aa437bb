#include "server/seat_table.h"

#include <algorithm>

namespace tlj::server {

std::optional<int> SeatTable::Take(int occupant) {
  if (const auto held = SeatOf(occupant)) return held;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (!occupants_[seat]) {
      occupants_[seat] = occupant;
      return seat;
    }
  }
  return std::nullopt;
}

void SeatTable::Free(int occupant) {
  if (const auto seat = SeatOf(occupant)) occupants_[*seat].reset();
}

std::optional<int> SeatTable::SeatOf(int occupant) const {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (occupants_[seat] == occupant) return seat;
  }
  return std::nullopt;
}

int SeatTable::Occupied() const {
  return static_cast<int>(std::count_if(occupants_.begin(), occupants_.end(),
                                        [](const auto& occupant) { return occupant.has_value(); }));
}

}  // namespace tlj::server
