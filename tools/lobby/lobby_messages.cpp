#include "lobby/lobby_messages.h"

#include "core/platform/lobby_link.h"

namespace tlj::lobby_tool {
namespace {

constexpr int kConnecting = 22;
constexpr int kLoggedIn = 771;
constexpr int kLeft = 1024;
constexpr int kHandRunning = 1125;
constexpr int kStillLoggingIn = 1126;
constexpr int kHandStarts = 1127;

}  // namespace

ClientPhase NextPhase(ClientPhase phase, const posix::WindowMessage& message) {
  switch (message.msg) {
    case kConnecting:
      // After the login request, a 22 is the client's report of a refused login.
      if (phase == ClientPhase::LoggingIn || phase == ClientPhase::LoginFailed) {
        return ClientPhase::LoginFailed;
      }
      return ClientPhase::Connecting;
    case kLoggedIn:
      if (phase == ClientPhase::Connecting) return ClientPhase::LoggingIn;
      if (phase == ClientPhase::LoggingIn) return ClientPhase::AtTable;
      return phase;
    case kLeft:
      return ClientPhase::Idle;
    default:
      return phase;
  }
}

std::string Meaning(ClientPhase phase, const posix::WindowMessage& message) {
  switch (message.msg) {
    case kConnecting:
      return phase == ClientPhase::LoggingIn ? "client reports the login was refused"
                                             : "client connecting";
    case kLoggedIn:
      return phase == ClientPhase::Connecting ? "login sent" : "client logged in";
    case kLeft:
      return "client left the table";
    case kHandRunning:
      return "client cannot leave: a hand is in progress";
    case kStillLoggingIn:
      return "client cannot leave: it is still logging in";
    case kHandStarts:
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

}  // namespace tlj::lobby_tool
