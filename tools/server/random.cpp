#include "tools/server/random.h"

#include <limits>

namespace tlj::server {

std::int64_t Random::Between(std::int64_t lo, std::int64_t hi) {
  if (hi <= lo) return lo;
  const std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
  // Draws at or above the last whole multiple of the span would favour the low values.
  const std::uint64_t limit = span == 0 ? 0
                                        : std::numeric_limits<std::uint64_t>::max() -
                                              std::numeric_limits<std::uint64_t>::max() % span;
  std::uint64_t draw = 0;
  do {
    draw = (std::uint64_t{engine_()} << 32) | engine_();
  } while (span != 0 && draw >= limit);
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) +
                                   (span == 0 ? draw : draw % span));
}

}  // namespace tlj::server
