#include <iostream>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/program_shell.h"
#include "posix/stop_signals.h"
#include "tools/server/accounts.h"
#include "tools/server/game_server.h"
#include "tools/server/options.h"
#include "tools/server/tcp_front.h"

namespace tlj::server {
namespace {

AccountBook LoadAccountBook(const std::string& file) {
  if (file.empty()) return {};
  ParsedAccounts parsed = ParseAccounts(ReadAccountsFile(file));
  for (const std::string& warning : parsed.warnings) {
    std::cerr << "tlj-server: " << file << ": " << warning << ", line ignored\n";
  }
  return AccountBook(std::move(parsed.passwords));
}

int Serve(const Options& options) {
  posix::PollBackend poll;
  platform::EventLoop loop(poll);
  GameServer game(loop, options.game, LoadAccountBook(options.accounts),
                  options.verbose ? &std::cerr : nullptr,
                  options.transcript ? &std::cout : nullptr);
  TcpFront front(loop, poll, game, options.host, options.port);
  posix::StopSignals signals(loop, poll, [](int) { throw platform::ProcessExit{0}; });

  std::cout << "tlj-server: listening on " << front.Host() << ":" << front.Port() << std::endl;
  const int code = loop.Run();
  if (options.verbose) {
    const ServerStats& stats = game.Stats();
    std::cerr << "tlj-server: stopped; connections: " << stats.connections
              << ", frames received: " << stats.frames << ", ignored: " << stats.ignored
              << ", invalid: " << stats.invalid << ", hands: " << stats.hands
              << ", games: " << stats.games << std::endl;
  }
  return code;
}

}  // namespace
}  // namespace tlj::server

int main(int argc, char** argv) {
  using namespace tlj::server;
  return tlj::posix::RunProgram("tlj-server", argc, argv, ParseOptions, Usage(), Serve);
}
