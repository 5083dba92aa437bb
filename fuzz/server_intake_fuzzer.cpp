// What clients send tlj-server: up to four connections at once, each piece of bytes from one
// of them, with pauses in which the tables' timers run (bots join, hands are dealt, turns time
// out) and connections that close and come back, on a server of two tables in virtual time.

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>

#include "core/net/frame.h"
#include "fuzz/pieces.h"
#include "sim/virtual_clock.h"
#include "tools/server/game_server.h"

namespace {

using namespace tlj;

// After the last piece: long enough for a game to play on and for a held seat to be given up.
constexpr platform::TimeMs kAfterLastMs = 120'000;

server::GameConfig Config() {
  server::GameConfig config;
  config.seed = 7;
  config.tables = 2;
  config.shuffle_every = 1;
  config.bot_chat = 2;
  config.phrases = {.quick = {{1, "大家好"}, {2, "快点吧"}}, .voice = {{1, "再见了"}}};
  return config;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  std::ostream discarded(nullptr);  // the log's and the transcript's lines are made, not kept
  server::GameServer server(loop, Config(), {}, &discarded, &discarded);
  std::map<int, int> open;  // peer -> its connection's number
  int next_connection = 1;
  fuzz::PieceReader pieces({data, size});
  while (const auto piece = pieces.Next()) {
    auto connection = open.find(piece->peer);
    if (connection == open.end()) {
      connection = open.emplace(piece->peer, next_connection++).first;
      server.Open(connection->second, "10.0.0." + std::to_string(piece->peer + 1),
                  [](const net::Frame&) {});
    }
    server.Receive(connection->second, piece->bytes);
    if (piece->closes) {
      server.Close(connection->second, "closed by the peer");
      open.erase(connection);
    }
    loop.ProcessEventsUntil(loop.Now() + piece->pause_ms);
  }
  loop.ProcessEventsUntil(loop.Now() + kAfterLastMs);
  return 0;
}
