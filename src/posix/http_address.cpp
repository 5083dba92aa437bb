#include "posix/http_address.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tlj::posix {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
           return std::tolower(static_cast<unsigned char>(c)) == lower;
         });
}

bool ReadPort(std::string_view digits, int& port) {
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  return failure == std::errc{} && end == digits.data() + digits.size() && port > 0 &&
         port <= 65535;
}

}  // namespace

std::optional<HttpAddress> ParseHttpAddress(std::string_view url, std::string& error) {
  if (StartsWithNoCase(url, "https://")) {
    error = "https is not supported";
    return std::nullopt;
  }
  if (!StartsWithNoCase(url, "http://")) {
    error = "Not an http address";
    return std::nullopt;
  }
  url.remove_prefix(7);
  url = url.substr(0, url.find('#'));
  const std::size_t authority_end = std::min(url.find('/'), url.find('?'));
  std::string_view authority = url.substr(0, authority_end);
  const std::string_view rest =
      authority_end == std::string_view::npos ? std::string_view{} : url.substr(authority_end);
  HttpAddress address;
  std::string_view port;
  if (authority.starts_with('[')) {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) {
      error = "Bad host";
      return std::nullopt;
    }
    address.host = authority.substr(1, close - 1);
    const std::string_view after = authority.substr(close + 1);
    if (!after.empty() && !after.starts_with(':')) {
      error = "Bad host";
      return std::nullopt;
    }
    if (!after.empty()) port = after.substr(1);
  } else {
    const std::size_t colon = authority.find(':');
    address.host = authority.substr(0, colon);
    if (colon != std::string_view::npos) port = authority.substr(colon + 1);
  }
  if (address.host.empty() || address.host.find('@') != std::string::npos) {
    error = "Bad host";
    return std::nullopt;
  }
  if (!port.empty() && !ReadPort(port, address.port)) {
    error = "Bad port";
    return std::nullopt;
  }
  address.target = rest.starts_with('/') ? std::string(rest) : "/" + std::string(rest);
  return address;
}

}  // namespace tlj::posix
