#include "tools/lobby/seat_command_line.h"

#include <utility>
#include <vector>

namespace tlj::lobby_tool {
namespace {

// Field 4 and field 8 are read as 16-bit integers.
constexpr int kHighestPort = 32767;

bool DefaultTitles(const SeatCommandLine& line) {
  return line.lobby_title == model::kDefaultLobbyTitle && line.table_title == model::kProgramTitle;
}

std::string Compose(const SeatCommandLine& line, const std::string& password,
                    const std::string& proxy_password) {
  const bool proxy = line.connection == Connection::kSocks5;
  std::string text = line.account + "$" + password + "$" + line.host + "$" +
                     std::to_string(line.port) + "$" + line.location + "$" +
                     std::to_string(static_cast<int>(line.connection)) + "$";
  // A direct line leaves the proxy fields empty, as the lobby does.
  if (proxy) {
    text += line.proxy_host + "$" + std::to_string(line.proxy_port) + "$" + line.proxy_user + "$" +
            proxy_password + "$";
  } else {
    text += "$$$$";
  }
  // Field 11 is 1 only for titles of our own: the client then also plays by the lobby's other
  // rules for such tables, so the default titles keep it 0.
  if (DefaultTitles(line)) return text + "0$$$";
  return text + "1$" + line.lobby_title + "$" + line.table_title + "$";
}

}  // namespace

std::string SeatCommandLine::Text() const {
  return Compose(*this, password, proxy_password);
}

std::string SeatCommandLine::MaskedText() const {
  return Compose(*this, "***", proxy_password.empty() ? "" : "***");
}

std::string SeatCommandLine::Problem() const {
  const bool proxy = connection == Connection::kSocks5;
  const std::vector<std::pair<const char*, const std::string*>> texts = {
      {"account", &account},
      {"password", &password},
      {"server host", &host},
      {"table", &location},
      {"proxy host", &proxy_host},
      {"proxy user", &proxy_user},
      {"proxy password", &proxy_password},
      {"lobby window's title", &lobby_title},
      {"table window's title", &table_title}};
  for (const auto& [what, text] : texts) {
    if (text->find('$') != std::string::npos) return std::string("the ") + what + " contains '$'";
  }
  if (host.empty()) return "the server host is empty";
  if (port < 1 || port > kHighestPort) return "the server port must be from 1 to 32767";
  if (proxy && proxy_host.empty()) return "the proxy host is empty";
  if (proxy && (proxy_port < 1 || proxy_port > kHighestPort)) {
    return "the proxy port must be from 1 to 32767";
  }
  if (lobby_title.empty() || table_title.empty()) return "a window title is empty";
  return "";
}

}  // namespace tlj::lobby_tool
