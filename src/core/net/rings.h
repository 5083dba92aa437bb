#pragma once
// The send and receive rings: 34816 bytes each, exactly 128 frames.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tlj::net {

inline constexpr std::size_t kRingSize = 0x8800;

struct ByteRing {
  std::array<std::uint8_t, kRingSize> bytes{};
  std::size_t read = 0;
  std::size_t write = 0;
  std::size_t Unread() const { return (write + kRingSize - read) % kRingSize; }
};

inline ByteRing RecvRing;
inline ByteRing SendRing;

// Sets the read and write indexes of both rings to 0: unsent and unread data are dropped.
void ResetRings();

}  // namespace tlj::net
