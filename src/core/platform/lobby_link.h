#pragma once
// The lobby program's window, and our own table window as a receiver of posted messages.

#include <functional>
#include <string>

namespace tlj::platform {

// What the lobby posts to the table window.
enum TableMessage : int {
  kEnterTable = 22,        // go to a table again (the idle client's re-entry)
  kLeaveUnlessBusy = 771,  // leave, unless logging in (answered 1126) or in a hand (1125)
  kLeaveNow = 1024,        // leave; no answer
  kMayLeave = 1125,        // may the user leave? answered 1125 (no) or 1024 (yes)
};

// What the table window posts to the lobby.
enum LobbyMessage : int {
  kConnecting = 22,        // connecting; after the login request went out: the login was refused
  kLoggedIn = 771,         // first: the login request went out; then: the login was accepted
  kLeft = 1024,            // left the table, or free to leave
  kHandRunning = 1125,     // cannot leave: a hand is under way
  kStillLoggingIn = 1126,  // cannot leave: the login is not answered yet
  kHandStarts = 1127,
};

// Both ways: a system command, wParam restore or minimize.
inline constexpr int kWmSysCommand = 274;
inline constexpr int kScRestore = 0xF120;
inline constexpr int kScMinimize = 0xF020;

class LobbyLink {
 public:
  using MessageHandler = std::function<void(int msg, long wparam, long lparam)>;
  virtual ~LobbyLink() = default;

  // True when a top-level window with exactly this title exists.
  virtual bool FindWindow(const std::string& title) = 0;
  // Posts a message to the window with this title; false when it is not found.
  virtual bool PostMessage(const std::string& title, int msg, long wparam, long lparam) = 0;

  // Makes our table window reachable under `title` (again, when the title changes);
  // messages posted to it reach `handler` through the event loop.
  virtual void ListenAs(const std::string& title, MessageHandler handler) = 0;

  // The test for a previous instance of the program; true when this one is the only one.
  virtual bool AcquireSingleInstance() = 0;
};

}  // namespace tlj::platform
