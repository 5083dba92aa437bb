#include "core/net/frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/text/ansi.h"

namespace tlj::net {
namespace {

constexpr std::size_t kLoginAccountAt = 16;
constexpr std::size_t kLoginPasswordAt = 32;
// Login texts and chat text stay inside the payload, clear of the token and the hand id.
constexpr std::size_t kPayloadEnd = kTokenAt;
constexpr std::size_t kChatMaxChars = 100;

// Bytes past the frame read as 0, so a field that runs over the end is cut there.
std::uint8_t ByteAt(const Frame& frame, std::size_t at) {
  return at < kFrameSize ? frame[at] : std::uint8_t{0};
}

// The number of bytes of a field that lie inside the frame.
std::size_t FieldSize(std::size_t first, std::size_t size) {
  return first < kFrameSize ? std::min(size, kFrameSize - first) : 0;
}

// Writes the text one byte per character from `first`; false when a character has no
// single-byte code or the text would run past the payload.
bool WriteSingleByteText(Frame& frame, std::size_t first, std::string_view utf8) {
  std::size_t at = first;
  for (const char32_t c : text::DecodeUtf8(utf8)) {
    const auto code = text::FindAnsiCode(c);
    if (!code || *code > 0xFF || at >= kPayloadEnd) return false;
    frame[at++] = static_cast<std::uint8_t>(*code);
  }
  return true;
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

bool BuildLoginFrame(std::string_view account, std::string_view password) {
  Frame frame{};
  frame[kTypeAt] = kTypeLogin;
  // The password goes in after the account: it overwrites an account longer than 16 characters.
  if (!WriteSingleByteText(frame, kLoginAccountAt, account) ||
      !WriteSingleByteText(frame, kLoginPasswordAt, password)) {
    return false;
  }
  LoginFrame = frame;
  return true;
}

Frame BuildKeepAlive(std::uint8_t seat_code) {
  Frame frame{};
  frame[kTypeAt] = kTypeKeepAlive;
  frame[kSeatAt] = seat_code;
  frame[kTokenAt] = ServerToken[0];
  frame[kTokenAt + 1] = ServerToken[1];
  return frame;
}

bool EncodeChatText(Frame& frame) {
  if (g_sChatText.empty()) return false;
  std::u32string chars = text::DecodeUtf8(g_sChatText);
  if (chars.size() > kChatMaxChars) chars.resize(kChatMaxChars);
  std::size_t at = kPayloadAt;
  for (const char32_t c : chars) {
    const std::uint16_t code = text::AnsiCode(c);
    if (code > 0xFF) frame[at++] = static_cast<std::uint8_t>(code >> 8);
    frame[at++] = static_cast<std::uint8_t>(code & 0xFF);
  }
  std::fill(frame.begin() + static_cast<std::ptrdiff_t>(at), frame.end(), std::uint8_t{0});
  g_sChatText.clear();
  return true;
}

}  // namespace tlj::net
