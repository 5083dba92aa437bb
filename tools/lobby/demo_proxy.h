#pragma once
// The SOCKS5 proxy the demo's client goes through, as `--proxy [USER:PASSWORD@]HOST:PORT`.

#include <optional>
#include <string>
#include <string_view>

namespace tlj::lobby_tool {

struct DemoProxy {
  std::string host;
  int port = 0;
  std::string user;
  std::string password;
};

// The proxy `text` names, or nothing with `error` saying why. The password may hold ':' and
// '@': the user ends at the first ':', the password at the last '@'.
std::optional<DemoProxy> ParseDemoProxy(std::string_view text, std::string& error);

}  // namespace tlj::lobby_tool
