#include "server/wire.h"

namespace tlj::server {

std::string ReadField(const Frame& frame, std::size_t first, std::size_t size) {
  std::string text;
  for (std::size_t at = first; at < first + size && at < frame.size() && frame[at] != 0; ++at) {
    text.push_back(static_cast<char>(frame[at]));
  }
  return text;
}

Frame LoginReply(std::uint8_t status) {
  Frame reply{};
  reply[net::kTypeAt] = kTypeLogin;
  reply[net::kStatusAt] = status;
  if (status == kLoginAccepted) reply[kTurnSecondsAt] = kTurnSeconds;
  return reply;
}

Frame ReconnectReply(std::uint8_t status) {
  Frame reply{};
  reply[net::kTypeAt] = kTypeReconnectReply;
  reply[net::kStatusAt] = status;
  return reply;
}

}  // namespace tlj::server
