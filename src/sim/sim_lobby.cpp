#include "sim/sim_lobby.h"

namespace tlj::sim {

bool SimLobby::FindWindow(const std::string& title) {
  return windows_.count(title) > 0 || (!client_title_.empty() && title == client_title_);
}

bool SimLobby::PostMessage(const std::string& title, int msg, long wparam, long lparam) {
  auto it = windows_.find(title);
  if (it == windows_.end()) return false;
  it->second.push_back({msg, wparam, lparam, loop_.Now()});
  return true;
}

void SimLobby::ListenAs(const std::string& title, MessageHandler handler) {
  client_title_ = title;
  client_handler_ = std::move(handler);
}

const std::vector<PostedMessage>& SimLobby::Received(const std::string& title) const {
  static const std::vector<PostedMessage> kNone;
  auto it = windows_.find(title);
  return it == windows_.end() ? kNone : it->second;
}

std::vector<int> SimLobby::MessageNumbers(const std::string& title) const {
  std::vector<int> out;
  for (const auto& m : Received(title)) out.push_back(m.msg);
  return out;
}

bool SimLobby::PostToClient(int msg, long wparam, long lparam) {
  if (!client_handler_) return false;
  loop_.Post([this, msg, wparam, lparam] { client_handler_(msg, wparam, lparam); });
  return true;
}

}  // namespace tlj::sim
