#include "core/net/frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/text/ansi.h"

namespace tlj::net {
namespace {

// Bytes past the frame read as 0, so a field that runs over the end is cut there.
std::uint8_t ByteAt(const Frame& frame, std::size_t at) {
  return at < kFrameSize ? frame[at] : std::uint8_t{0};
}

// The number of bytes of a field that lie inside the frame.
std::size_t FieldSize(std::size_t first, std::size_t size) {
  return first < kFrameSize ? std::min(size, kFrameSize - first) : 0;
}

}  // namespace

std::uint8_t ReadByte(const Frame& frame, std::size_t at) {
  return ByteAt(frame, at);
}

std::uint32_t ReadLe32(const Frame& frame, std::size_t first) {
  std::uint32_t value = 0;
  for (std::size_t k = 4; k-- > 0;) value = (value << 8) | ByteAt(frame, first + k);
  return value;
}

double ReadAmount(const Frame& frame, std::size_t first) {
  double value = 0;
  for (std::size_t k = 8; k-- > 0;) value = value * 256 + ByteAt(frame, first + k);
  return value;
}

std::uint32_t ReadCardCode(const Frame& frame, std::size_t first) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value = (value << 8) | ByteAt(frame, first + k);
  return value;
}

// A lead byte (0x80 or above) takes the byte after it as its trail, whatever that byte is; a pair
// that is no GBK character, and a lead byte in the field's last byte that has no trail, become
// U+FFFD, so a damaged nickname still shows where its text was cut.
std::string ReadAnsiText(const Frame& frame, std::size_t first, std::size_t size) {
  const std::size_t n = FieldSize(first, size);
  std::u32string chars;
  for (std::size_t j = 0; j < n;) {
    const std::uint8_t b = frame[first + j];
    if (b == 0) break;
    if (b < 0x80) {
      chars.push_back(b);
      ++j;
    } else if (j + 1 < n) {
      chars.push_back(text::AnsiPairChar(b, frame[first + j + 1]));
      j += 2;
    } else {
      chars.push_back(U'\uFFFD');
      ++j;
    }
  }
  return text::EncodeUtf8(chars);
}

std::string ReadByteText(const Frame& frame, std::size_t first, std::size_t size) {
  const std::size_t n = FieldSize(first, size);
  std::u32string chars;
  for (std::size_t j = 0; j < n && frame[first + j] != 0; ++j) {
    chars.push_back(text::ByteChar(frame[first + j]));
  }
  return text::EncodeUtf8(chars);
}

// Every pair is one character; a pair that is no GBK character, and an odd last byte, become
// U+FFFD.
std::string ReadDoubleByteText(const Frame& frame, std::size_t first, std::size_t size) {
  const std::size_t n = FieldSize(first, size);
  std::u32string chars;
  for (std::size_t j = 0; j < n && frame[first + j] != 0; j += 2) {
    const std::uint8_t trail = j + 1 < n ? frame[first + j + 1] : std::uint8_t{0};
    chars.push_back(text::AnsiPairChar(frame[first + j], trail));
  }
  return text::EncodeUtf8(chars);
}

void WriteByte(Frame& frame, std::size_t at, std::uint8_t value) {
  if (at < kFrameSize) frame[at] = value;
}

// The keypad only composes amounts 0..2^31-1; anything else (negative, too large, not a number)
// is clamped rather than wrapped, so a faulty amount can never turn into a different valid one.
void WriteAmountBe(Frame& frame, std::size_t first, double amount) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  const double rounded = std::isnan(amount) ? 0.0 : std::clamp(std::nearbyint(amount), 0.0, kMax);
  auto value = static_cast<std::int32_t>(rounded);
  for (std::size_t k = 8; k-- > 0;) {
    WriteByte(frame, first + k, static_cast<std::uint8_t>(value & 0xFF));
    value /= 256;
  }
}

void CaptureToken(const Frame& message) {
  if (message[kTypeAt] == kTypeReconnectReply) return;
  ServerToken = {message[kTokenAt], message[kTokenAt + 1]};
}

}  // namespace tlj::net
