#include <filesystem>
#include <iostream>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/program_shell.h"
#include "posix/stop_signals.h"
#include "tools/server/accounts.h"
#include "tools/server/chat_phrases.h"
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

// A file named on the command line that cannot be read is worth a warning; the default one
// may simply not be there.
ChatPhrases LoadPhrases(const std::string& file) {
  const std::filesystem::path folder = posix::ProgramFolder();
  if (file.empty() && folder.empty()) return {};
  if (auto phrases =
          ReadPhrasesFile(file.empty() ? folder / "chat.txt" : std::filesystem::path(file)))
    return *phrases;
  if (!file.empty()) {
    std::cerr << "tlj-server: cannot read the phrases file " << file << "; the bots say nothing\n";
  }
  return {};
}

int Serve(const Options& options) {
  posix::PollBackend poll;
  platform::EventLoop loop(poll);
  GameConfig config = options.game;
  config.phrases = LoadPhrases(options.phrases);
  GameServer game(loop, std::move(config), LoadAccountBook(options.accounts),
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
