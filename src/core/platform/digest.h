#pragma once
// A 64-bit FNV-1a digest of bytes fed in turn: enough to tell whether something changed, not to
// keep anything secret.

#include <cstdint>
#include <span>

namespace tlj::platform {

class Digest {
 public:
  Digest& Add(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes) value_ = (value_ ^ b) * 0x100000001B3ULL;
    return *this;
  }
  std::uint64_t Value() const { return value_; }

 private:
  std::uint64_t value_ = 0xCBF29CE484222325ULL;
};

}  // namespace tlj::platform
