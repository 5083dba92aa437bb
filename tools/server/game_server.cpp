#include "server/game_server.h"

#include <ostream>

namespace tlj::server {

GameServer::GameServer(AccountBook accounts, std::ostream* log)
    : accounts_(std::move(accounts)), log_(log) {}

void GameServer::Open(int connection, const std::string& peer, Session::Send send) {
  ++stats_.connections;
  auto& session = sessions_[connection];
  session = std::make_unique<Session>(connection, TableContext{seats_, accounts_, stats_, log_},
                                      std::move(send));
  Log("open " + session->Who() + " from " + peer);
}

void GameServer::Receive(int connection, std::span<const std::uint8_t> bytes) {
  const auto it = sessions_.find(connection);
  if (it != sessions_.end()) it->second->Receive(bytes);
}

void GameServer::Close(int connection, const std::string& reason) {
  const auto it = sessions_.find(connection);
  if (it == sessions_.end()) return;
  std::string line = "close " + it->second->Who() + ": " + reason;
  if (const auto pending = it->second->PendingBytes(); pending > 0) {
    line += "; " + std::to_string(pending) + " bytes of an unfinished frame dropped";
  }
  sessions_.erase(it);
  Log(line);
}

void GameServer::Log(const std::string& line) const {
  if (log_ != nullptr) *log_ << line << std::endl;
}

}  // namespace tlj::server
