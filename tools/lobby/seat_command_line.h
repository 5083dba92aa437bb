#pragma once
// The command line the lobby starts the client with for a seat: thirteen fields, each followed
// by '$'. By default a direct connection and the default window titles.

#include <string>

#include "core/model/elements.h"
#include "core/model/lobby_window.h"

namespace tlj::lobby_tool {

// Field 6: how the client reaches the server.
enum class Connection { kDirect = 0, kSocks5 = 5 };

struct SeatCommandLine {
  std::string account;
  std::string password;
  std::string host;
  int port = 0;
  std::string location;
  Connection connection = Connection::kDirect;
  std::string proxy_host{};
  int proxy_port = 0;
  std::string proxy_user{};
  std::string proxy_password{};
  std::string lobby_title = model::kDefaultLobbyTitle;
  std::string table_title = model::kProgramTitle;

  std::string Text() const;
  // The same with the passwords shown as ***, for printing.
  std::string MaskedText() const;
  // Why the client could not be given this line (a field that would split the line, a missing
  // address or title, a port out of range), or empty when it can.
  std::string Problem() const;
};

}  // namespace tlj::lobby_tool
