#include "tools/soak/soak.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "posix/poll_backend.h"
#include "posix/stop_signals.h"
#include "tools/lobby/server_process.h"
#include "tools/soak/process_memory.h"
#include "tools/soak/soak_client.h"

namespace tlj::soak {
namespace {

constexpr platform::TimeMs kTickMs = 200;
constexpr platform::TimeMs kMemoryEveryMs = 5'000;
constexpr platform::TimeMs kServerStartDeadline = 10'000;
constexpr std::chrono::milliseconds kStopGrace{5000};

// Quick bots and two hands a game, so that a short run plays many games; seat changes after
// every game and no web pages.
std::vector<std::string> ServerArgs(const SoakSettings& s) {
  return {"--transcript",
          "--summary",
          "--no-web",
          "--tables",
          std::to_string(s.tables),
          "--hands",
          "2",
          "--bot-delay",
          "300",
          "--bot-think",
          "150",
          "--shuffle-seats",
          "1",
          "--seed",
          std::to_string(s.seed)};
}

std::string Mib(std::int64_t bytes) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(1) << static_cast<double>(bytes) / (1 << 20) << " MiB";
  return text.str();
}

bool Contains(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}

class Soak {
 public:
  Soak(const SoakSettings& settings, std::ostream& report) : settings_(settings), report_(report) {}

  void Run() {
    StartServer();
    const auto& address = *server_->Address();
    for (int n = 1; n <= settings_.clients; ++n) {
      clients_.push_back(std::make_unique<SoakClient>(loop_, poll_, n, settings_.client_program,
                                                      address.host, address.port,
                                                      settings_.seed * 7919u + n));
    }
    const platform::TimeMs end = loop_.Now() + settings_.seconds * 1000;
    platform::TimeMs next_sample = loop_.Now();
    while (loop_.Now() < end && !stop_asked_) {
      loop_.ProcessEventsUntil(loop_.Now() + kTickMs, [] { return false; });
      CheckServerRuns();
      for (auto& client : clients_) client->Tick(loop_.Now());
      if (loop_.Now() >= next_sample) {
        SampleMemory();
        next_sample = loop_.Now() + kMemoryEveryMs;
      }
    }
    SampleMemory();
    for (auto& client : clients_) client->Stop();
    StopServer();
    Report();
  }

 private:
  void StartServer() {
    server_ = std::make_unique<lobby_tool::ServerProcess>(
        loop_, poll_, settings_.server_program, ServerArgs(settings_), false,
        [this](const std::string& line) { OnTableEvent(line); }, nullptr);
    loop_.ProcessEventsUntil(loop_.Now() + kServerStartDeadline, [&] {
      return server_->Address().has_value() || server_->Process().ExitCode().has_value();
    });
    if (!server_->Address()) throw SoakFailure("the server did not start" + ServerSaid());
  }

  void OnTableEvent(const std::string& line) {
    if (Contains(line, " is back")) ++reconnections_;
    if (Contains(line, " lost the connection")) ++links_lost_;
    if (Contains(line, "game over")) ++server_games_;
  }

  void CheckServerRuns() {
    if (const auto code = server_->Process().ExitCode())
      throw SoakFailure("the server ended (exit code " + std::to_string(*code) + ")" +
                        ServerSaid());
  }

  void SampleMemory() {
    for (auto& client : clients_) client->SampleMemory();
    if (const auto rss = ResidentBytes(server_->Process().Pid()))
      server_peak_ = std::max(server_peak_, *rss);
  }

  void StopServer() {
    CheckServerRuns();
    const int code = server_->Process().Stop(kStopGrace);
    loop_.ProcessReadyEvents();
    if (code != 0)
      throw SoakFailure("the server did not stop cleanly (exit code " + std::to_string(code) + ")" +
                        ServerSaid());
    const std::string said = server_->Process().Stderr();
    if (!Contains(said, "invalid: 0,"))
      throw SoakFailure("the server found invalid frames" + ServerSaid());
    if (Contains(said, "UNBALANCED")) throw SoakFailure("the coins do not add up" + ServerSaid());
  }

  void Report() {
    SeatCounts sum;
    std::int64_t client_peak = 0;
    std::int64_t growth = 0;
    const SoakClient* grew_most = nullptr;
    for (const auto& client : clients_) {
      const SeatCounts& c = client->Counts();
      sum.games += c.games;
      sum.cuts += c.cuts;
      sum.left_in_hand += c.left_in_hand;
      sum.left_after_game += c.left_after_game;
      sum.re_entries += c.re_entries;
      sum.refused_logins += c.refused_logins;
      sum.restarts += c.restarts;
      client_peak = std::max(client_peak, c.peak_rss);
      if (!grew_most || client->Growth() > growth) {
        growth = client->Growth();
        grew_most = client.get();
      }
    }
    report_ << "tlj-soak: " << settings_.tables << " tables, " << settings_.clients << " clients, "
            << settings_.seconds << " s: " << sum.games << " games finished by the clients ("
            << server_games_ << " at the server), " << sum.cuts << " links cut, " << links_lost_
            << " lost, " << reconnections_ << " reconnections, " << sum.left_in_hand
            << " left in a hand, " << sum.left_after_game << " left between games, "
            << sum.re_entries << " re-entries, " << sum.refused_logins
            << " logins refused (no seat free) and " << sum.restarts << " clients started again\n"
            << "tlj-soak: peak memory: client " << Mib(client_peak) << ", server "
            << Mib(server_peak_) << "; a client's growth after its first game: " << Mib(growth)
            << " at most\n";
    for (const std::string& line : Lines(server_->Process().Stderr()))
      if (Contains(line, "tlj-server: ")) report_ << line << "\n";
    if (growth > settings_.allowed_growth) {
      throw SoakFailure(grew_most->Name() + "'s memory grew by " + Mib(growth) +
                        " after its first game, more than " + Mib(settings_.allowed_growth));
    }
    if (sum.games == 0) throw SoakFailure("no client finished a game");
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::string ServerSaid() const {
    const std::string& said = server_->Process().Stderr();
    return said.empty() ? "" : "; it said:\n" + said;
  }

  const SoakSettings& settings_;
  std::ostream& report_;
  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  bool stop_asked_ = false;
  posix::StopSignals signals_{loop_, poll_, [this](int) { stop_asked_ = true; }};
  std::unique_ptr<lobby_tool::ServerProcess> server_;
  std::vector<std::unique_ptr<SoakClient>> clients_;
  int reconnections_ = 0;
  int links_lost_ = 0;
  int server_games_ = 0;
  std::int64_t server_peak_ = 0;
};

}  // namespace

int RunSoak(const SoakSettings& settings, std::ostream& report) {
  try {
    Soak(settings, report).Run();
    report << "tlj-soak: passed" << std::endl;
    return 0;
  } catch (const std::exception& failure) {
    report << "tlj-soak: FAILED: " << failure.what() << std::endl;
    return 1;
  }
}

}  // namespace tlj::soak
