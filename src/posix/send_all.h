#pragma once
// Writing a whole buffer to a blocking socket, for the tools and tests that carry bytes between
// two ends one call at a time.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tlj::posix {

// Sends all of `bytes`, again after an interrupted call; false once the peer has gone.
bool SendAll(int fd, std::span<const std::uint8_t> bytes);

}  // namespace tlj::posix
