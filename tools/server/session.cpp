#include "tools/server/session.h"

namespace tlj::server {

std::uint16_t TokenFor(int sequence) {
  // An odd multiplier walks through every value below 2^16 before repeating.
  const auto token = static_cast<std::uint16_t>(static_cast<std::uint32_t>(sequence) * 40503u);
  return token == 0 ? std::uint16_t{1} : token;
}

}  // namespace tlj::server
