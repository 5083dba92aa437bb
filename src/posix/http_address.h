#pragma once
// A plain http:// address taken apart for one GET request.

#include <optional>
#include <string>
#include <string_view>

namespace tlj::posix {

struct HttpAddress {
  std::string host;  // a name, a dotted address, or an IPv6 address without its brackets
  int port = 80;
  std::string target;  // path and query, never empty
};

// Nothing, with the reason in `error`, for anything but http:// with a host; https:// is
// refused with its own reason.
std::optional<HttpAddress> ParseHttpAddress(std::string_view url, std::string& error);

}  // namespace tlj::posix
