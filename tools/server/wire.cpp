#include "tools/server/wire.h"

#include "core/text/ansi.h"

namespace tlj::server {

std::string ReadField(const Frame& frame, std::size_t first, std::size_t size) {
  std::string text;
  for (std::size_t at = first; at < first + size && at < frame.size() && frame[at] != 0; ++at) {
    text.push_back(static_cast<char>(frame[at]));
  }
  return text;
}

std::uint64_t ReadBe64(const Frame& frame, std::size_t first) {
  std::uint64_t value = 0;
  for (std::size_t k = 0; k < 8; ++k) value = (value << 8) | net::ReadByte(frame, first + k);
  return value;
}

std::uint64_t ReadLe64(const Frame& frame, std::size_t first) {
  std::uint64_t value = 0;
  for (std::size_t k = 8; k-- > 0;) value = (value << 8) | net::ReadByte(frame, first + k);
  return value;
}

std::uint32_t ReadBe32(const Frame& frame, std::size_t first) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value = (value << 8) | net::ReadByte(frame, first + k);
  return value;
}

std::uint16_t ReadToken(const Frame& frame) {
  return static_cast<std::uint16_t>(frame[net::kTokenAt] << 8 | frame[net::kTokenAt + 1]);
}

void WriteLe64(Frame& frame, std::size_t first, std::uint64_t value) {
  for (std::size_t k = 0; k < 8; ++k)
    frame[first + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

void WriteLe32(Frame& frame, std::size_t first, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k)
    frame[first + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

void WriteBe32(Frame& frame, std::size_t first, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k) {
    frame[first + k] = static_cast<std::uint8_t>(value >> (8 * (3 - k)));
  }
}

void WriteToken(Frame& frame, std::uint16_t token) {
  frame[net::kTokenAt] = static_cast<std::uint8_t>(token >> 8);
  frame[net::kTokenAt + 1] = static_cast<std::uint8_t>(token);
}

void WriteByteText(Frame& frame, std::size_t first, std::size_t size, std::string_view text) {
  for (std::size_t k = 0; k < size && k < text.size(); ++k) {
    frame[first + k] = static_cast<std::uint8_t>(text[k]);
  }
}

void WriteAnsiText(Frame& frame, std::size_t first, std::size_t size, std::string_view utf8) {
  std::size_t at = first;
  for (const char32_t c : text::DecodeUtf8(utf8)) {
    const auto code = text::FindAnsiCode(c);
    if (!code) continue;
    const std::size_t width = *code > 0xFF ? 2 : 1;
    if (at + width > first + size) break;
    if (width == 2) frame[at++] = static_cast<std::uint8_t>(*code >> 8);
    frame[at++] = static_cast<std::uint8_t>(*code);
  }
}

Frame LoginReply(std::uint8_t status, std::uint8_t turn_seconds, std::string_view ad_page) {
  Frame reply{};
  reply[net::kTypeAt] = kTypeLogin;
  reply[net::kStatusAt] = status;
  if (status == kLoginAccepted) {
    reply[kTurnSecondsAt] = turn_seconds;
    WriteByteText(reply, kAdPageAt, kAdPageSize, ad_page);
  }
  return reply;
}

Frame ReconnectReply(std::uint8_t status) {
  Frame reply{};
  reply[net::kTypeAt] = kTypeReconnectReply;
  reply[net::kStatusAt] = status;
  return reply;
}

}  // namespace tlj::server
