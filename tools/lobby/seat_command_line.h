#pragma once
// The command line the lobby starts the client with for a seat: thirteen fields, each followed
// by '$', for a direct connection and the default window titles.

#include <string>

namespace tlj::lobby_tool {

struct SeatCommandLine {
  std::string account;
  std::string password;
  std::string host;
  int port = 0;
  std::string location;

  std::string Text() const;
  // The same with the password shown as ***, for printing.
  std::string MaskedText() const;
};

}  // namespace tlj::lobby_tool
