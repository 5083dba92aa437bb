#include "tools/lobby/lobby_messages.h"

namespace tlj::lobby_tool {

ClientPhase NextPhase(ClientPhase phase, const posix::WindowMessage& message) {
  switch (message.msg) {
    case platform::kConnecting:
      // After the login request, a 22 is the client's report of a refused login.
      if (phase == ClientPhase::LoggingIn || phase == ClientPhase::LoginFailed) {
        return ClientPhase::LoginFailed;
      }
      return ClientPhase::Connecting;
    case platform::kLoggedIn:
      if (phase == ClientPhase::Connecting) return ClientPhase::LoggingIn;
      if (phase == ClientPhase::LoggingIn) return ClientPhase::AtTable;
      return phase;
    case platform::kLeft:
      return ClientPhase::Idle;
    default:
      return phase;
  }
}

std::string Meaning(ClientPhase phase, const posix::WindowMessage& message) {
  switch (message.msg) {
    case platform::kConnecting:
      return phase == ClientPhase::LoggingIn ? "client reports the login was refused"
                                             : "client connecting";
    case platform::kLoggedIn:
      return phase == ClientPhase::Connecting ? "login sent" : "client logged in";
    case platform::kLeft:
      return "client left the table";
    case platform::kHandRunning:
      return "client cannot leave: a hand is in progress";
    case platform::kStillLoggingIn:
      return "client cannot leave: it is still logging in";
    case platform::kHandStarts:
      return "a hand starts";
    case platform::kWmSysCommand:
      if (message.wparam == platform::kScRestore) return "client asks to restore the lobby window";
      if (message.wparam == platform::kScMinimize) {
        return "client asks to minimize the lobby window";
      }
      return "unknown system command";
    default:
      return "unknown message";
  }
}

std::string Request(platform::TableMessage message) {
  switch (message) {
    case platform::kEnterTable:
      return "enter a table again";
    case platform::kLeaveUnlessBusy:
      return "leave the table";
    case platform::kLeaveNow:
      return "leave now";
    case platform::kMayLeave:
      return "may the user leave?";
  }
  return "unknown request";
}

}  // namespace tlj::lobby_tool
