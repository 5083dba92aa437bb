#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/program_shell.h"
#include "posix/stop_signals.h"
#include "tools/common/shipped_files.h"
#include "tools/server/accounts.h"
#include "tools/server/chat_phrases.h"
#include "tools/server/game_server.h"
#include "tools/server/http_front.h"
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
  const std::filesystem::path path = file.empty()
                                         ? tools::ShippedFile(posix::ProgramFolder(), "chat.txt")
                                         : std::filesystem::path(file);
  if (path.empty()) return {};
  if (auto phrases = ReadPhrasesFile(path)) return *phrases;
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
  std::unique_ptr<HttpFront> web;
  if (options.web) {
    const auto open_web = [&] {
      return std::make_unique<HttpFront>(loop, poll, options.host, options.web_port, OwnPages(),
                                         options.verbose ? &std::cerr : nullptr);
    };
    web = open_web();
    // A free port picked for the pages may be the game port the command line names; a second
    // pick cannot take it while the first holds it.
    if (options.web_port == 0 && web->Port() == options.port) web = open_web();
    // Not on standard output: the lobby reads its first line and the demo the rest.
    if (options.verbose) {
      std::cerr << "tlj-server: pages served at " << web->Address(kAdvertPath) << " and "
                << web->Address(kNoticePath) << std::endl;
    }
  }
  if (!options.ad_page.empty()) {
    config.ad_page = options.ad_page;
  } else if (web) {
    config.ad_page = web->Address(kAdvertPath);
  }
  GameServer game(loop, std::move(config), LoadAccountBook(options.accounts),
                  options.verbose ? &std::cerr : nullptr,
                  options.transcript ? &std::cout : nullptr);
  TcpFront front(loop, poll, game, options.host, options.port);
  posix::StopSignals signals(loop, poll, [](int) { throw platform::ProcessExit{0}; });

  std::cout << "tlj-server: listening on " << front.Host() << ":" << front.Port() << std::endl;
  const int code = loop.Run();
  if (options.verbose || options.summary) {
    const ServerStats& stats = game.Stats();
    std::cerr << "tlj-server: stopped; connections: " << stats.connections
              << ", frames received: " << stats.frames << ", ignored: " << stats.ignored
              << ", invalid: " << stats.invalid << ", hands: " << stats.hands
              << ", games: " << stats.games << std::endl;
    for (const std::string& invalid : stats.first_invalid)
      std::cerr << "tlj-server: invalid " << invalid << std::endl;
    std::cerr << "tlj-server: " << game.AuditCoins().Text() << std::endl;
  }
  return code;
}

}  // namespace
}  // namespace tlj::server

int main(int argc, char** argv) {
  using namespace tlj::server;
  return tlj::posix::RunProgram("tlj-server", argc, argv, ParseOptions, Usage(), Serve);
}
