#pragma once
// The four seats of the one table, each empty or held by a connection.

#include <array>
#include <optional>

namespace tlj::server {

inline constexpr int kSeatCount = 4;

class SeatTable {
 public:
  // Seats `occupant` at the first free seat, or finds the seat it already holds; nothing when
  // the table is full.
  std::optional<int> Take(int occupant);
  void Free(int occupant);
  std::optional<int> SeatOf(int occupant) const;
  int Occupied() const;

 private:
  std::array<std::optional<int>, kSeatCount> occupants_;
};

}  // namespace tlj::server
