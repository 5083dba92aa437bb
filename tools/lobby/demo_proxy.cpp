#include "tools/lobby/demo_proxy.h"

#include "tools/common/whole_number.h"

namespace tlj::lobby_tool {

std::optional<DemoProxy> ParseDemoProxy(std::string_view text, std::string& error) {
  // The seat's command line ends each field with '$', and holds the port in 16 signed bits.
  if (text.find('$') != std::string_view::npos) {
    error = "the proxy must not contain '$'";
    return std::nullopt;
  }
  DemoProxy proxy;
  std::string_view address = text;
  if (const auto at = text.rfind('@'); at != std::string_view::npos) {
    const std::string_view credentials = text.substr(0, at);
    address = text.substr(at + 1);
    const auto colon = credentials.find(':');
    if (colon == std::string_view::npos || colon == 0) {
      error = "the proxy's credentials must be USER:PASSWORD";
      return std::nullopt;
    }
    proxy.user = credentials.substr(0, colon);
    proxy.password = credentials.substr(colon + 1);
  }
  const auto colon = address.rfind(':');
  if (colon == std::string_view::npos || colon == 0 ||
      !tools::ParseWholeNumber(address.substr(colon + 1), 1, 32767, proxy.port)) {
    error = "the proxy must be [USER:PASSWORD@]HOST:PORT with a port from 1 to 32767";
    return std::nullopt;
  }
  proxy.host = address.substr(0, colon);
  return proxy;
}

}  // namespace tlj::lobby_tool
