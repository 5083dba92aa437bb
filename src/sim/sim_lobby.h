#pragma once
// An in-memory window system for the lobby link: lobby windows that record what they receive,
// and the client's table window, reached through the event loop.

#include <map>
#include <string>
#include <vector>

#include "core/platform/event_loop.h"
#include "core/platform/lobby_link.h"

namespace tlj::sim {

struct PostedMessage {
  int msg = 0;
  long wparam = 0;
  long lparam = 0;
  platform::TimeMs at = 0;
};

class SimLobby : public platform::LobbyLink {
 public:
  explicit SimLobby(platform::EventLoop& loop) : loop_(loop) {}

  bool FindWindow(const std::string& title) override;
  bool PostMessage(const std::string& title, int msg, long wparam, long lparam) override;
  void ListenAs(const std::string& title, MessageHandler handler) override;
  bool AcquireSingleInstance() override { return !other_instance_running; }

  // A lobby window under `title`; what is posted to it is kept.
  void OpenWindow(const std::string& title) { windows_[title]; }
  void CloseWindow(const std::string& title) { windows_.erase(title); }
  const std::vector<PostedMessage>& Received(const std::string& title) const;
  std::vector<int> MessageNumbers(const std::string& title) const;
  void ClearReceived(const std::string& title) { windows_[title].clear(); }

  // Posts a message from the lobby to the client's table window; false when there is none.
  bool PostToClient(int msg, long wparam = 0, long lparam = 0);
  const std::string& ClientTitle() const { return client_title_; }

  bool other_instance_running = false;

 private:
  platform::EventLoop& loop_;
  std::map<std::string, std::vector<PostedMessage>> windows_;
  std::string client_title_;
  MessageHandler client_handler_;
};

}  // namespace tlj::sim
