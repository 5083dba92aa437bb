#pragma once
// The lobby program's window, and our own table window as a receiver of posted messages.

#include <functional>
#include <string>

namespace tlj::platform {

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
