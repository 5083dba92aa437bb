#pragma once
// What the client's messages to the lobby mean. Some depend on how far the client has got:
// the first 771 says the login request went out, the next one that the login succeeded.

#include <string>

#include "core/platform/lobby_link.h"
#include "posix/window_message.h"

namespace tlj::lobby_tool {

enum class ClientPhase {
  Connecting,   // started or sent to a table, no login request yet
  LoggingIn,    // the login request has gone out
  AtTable,      // logged in
  LoginFailed,  // the login was refused
  Idle,         // left the table
};

// The phase after the client has posted `message`.
ClientPhase NextPhase(ClientPhase phase, const posix::WindowMessage& message);
// A short explanation of `message` arriving in `phase`.
std::string Meaning(ClientPhase phase, const posix::WindowMessage& message);
// What the lobby asks of the table window when it posts `message`.
std::string Request(platform::TableMessage message);

}  // namespace tlj::lobby_tool
