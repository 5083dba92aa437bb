#include "server/frame_text.h"

#include <cstdio>
#include <string_view>

namespace tlj::server {
namespace {

constexpr std::size_t kBetAmountAt = 16;
constexpr std::size_t kHotPotAt = 32;

std::string TypeText(const Frame& frame) {
  return "type=" + std::to_string(frame[net::kTypeAt]);
}

std::string StatusText(const Frame& frame) {
  return " status=" + std::to_string(frame[net::kStatusAt]);
}

// Printable ASCII as it is; any other byte, and the backslash, as \xNN.
std::string Printable(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      text.push_back(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  return text;
}

// Nothing of the password shows, not even its length.
std::string Credentials(const Frame& frame) {
  return " account=" + Printable(ReadField(frame, kAccountAt, kAccountSize)) + " password=***";
}

std::uint64_t ReadBe64(const Frame& frame, std::size_t first) {
  std::uint64_t value = 0;
  for (std::size_t k = 0; k < 8; ++k) value = (value << 8) | frame[first + k];
  return value;
}

}  // namespace

std::string DescribeReceived(const Frame& frame) {
  const std::string type = TypeText(frame);
  switch (frame[net::kTypeAt]) {
    case kTypeBet:
      return type + " bet amount=" + std::to_string(ReadBe64(frame, kBetAmountAt)) +
             (frame[kHotPotAt] == 1 ? " hot-pot" : "");
    case kTypeReadyOrLeave:
      if (frame[net::kStatusAt] == 0) return type + " leave";
      if (frame[net::kStatusAt] == 1) return type + " ready";
      return type + StatusText(frame);
    case kTypeLogin:
      return type + " login" + Credentials(frame);
    case kTypeChat:
      return type + " chat";
    case kTypeKeepAlive:
      return type + " keep-alive";
    case kTypeReconnect:
      return type + " reconnect" + Credentials(frame) +
             " hand=" + std::to_string(net::ReadLe32(frame, net::kHandIdAt));
    default:
      return type;
  }
}

std::string DescribeSent(const Frame& frame) {
  const std::string type = TypeText(frame);
  switch (frame[net::kTypeAt]) {
    case kTypeLogin:
      return type + " login-reply" + StatusText(frame);
    case kTypeReconnectReply:
      return type + " reconnect-reply" + StatusText(frame);
    default:
      return type;
  }
}

}  // namespace tlj::server
