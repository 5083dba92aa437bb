#include "tests/support/frame_bytes.h"

#include <algorithm>

#include "core/text/ansi.h"

namespace tlj::testing {

void PutLe32(net::Frame& f, std::size_t at, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

void PutLe64(net::Frame& f, std::size_t at, std::uint64_t value) {
  for (std::size_t k = 0; k < 8; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

void PutBe32(net::Frame& f, std::size_t at, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (24 - 8 * k));
}

void PutBytes(net::Frame& f, std::size_t at, std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), f.begin() + static_cast<std::ptrdiff_t>(at));
}

void PutText(net::Frame& f, std::size_t at, std::string_view utf8) {
  PutBytes(f, at, text::Utf8ToAnsi(utf8).value());
}

void PutCard(net::Frame& f, std::size_t at, int rank, int suit_bit) {
  PutBe32(f, at, static_cast<std::uint32_t>(rank << 8 | suit_bit));
}

void PutToken(net::Frame& f, std::uint8_t first, std::uint8_t second) {
  f[net::kTokenAt] = first;
  f[net::kTokenAt + 1] = second;
}

}  // namespace tlj::testing
