#include "tools/soak/soak_client.h"

#include <algorithm>
#include <chrono>

#include "core/model/elements.h"
#include "core/model/lobby_window.h"
#include "core/platform/lobby_link.h"
#include "tools/common/whole_file.h"
#include "tools/lobby/seat_command_line.h"
#include "tools/lobby/turn_policy.h"
#include "tools/soak/process_memory.h"

namespace tlj::soak {
namespace {

// Deadlines that only a client that has stopped going misses.
constexpr platform::TimeMs kDumpDeadline = 15'000;
constexpr platform::TimeMs kGameDeadline = 240'000;
// How long the user stays away after leaving, and after a refused login.
constexpr platform::TimeMs kAwayMs = 2'000;
constexpr platform::TimeMs kRefusedAwayMs = 5'000;
constexpr std::chrono::milliseconds kStopGrace{3000};
constexpr platform::TimeMs kLastWordsMs = 100;

// The games the record file beside the client holds: one section per finished game.
std::size_t RecordedGames(const std::filesystem::path& record) {
  const std::string text = tools::ReadWholeFile(record);
  std::size_t games = 0;
  for (auto at = text.find("[juNum:"); at != std::string::npos; at = text.find("[juNum:", at + 1))
    ++games;
  return games;
}

}  // namespace

SoakClient::SoakClient(platform::EventLoop& loop, posix::PollBackend& poll, int number,
                       const std::string& client_program, const std::string& server_host,
                       int server_port, std::uint32_t seed)
    : loop_(loop),
      poll_(poll),
      client_program_(client_program),
      number_(number),
      account_("soak" + std::to_string(number)),
      windows_(folders_.Windows()),
      relay_(poll, server_host, server_port),
      draw_(seed) {
  lobby_ = std::make_unique<lobby_tool::LobbyWindow>(
      loop, poll, windows_, model::kDefaultLobbyTitle,
      [this](const posix::WindowMessage& message) { OnLobbyMessage(message); });
  StartClient();
}

void SoakClient::StartClient() {
  const lobby_tool::SeatCommandLine seat{account_, "soak", "127.0.0.1", relay_.Port(), "房间一"};
  client_ = std::make_unique<lobby_tool::TableClient>(loop_, poll_, client_program_, seat, folders_,
                                                      true, nullptr);
  phase_ = lobby_tool::ClientPhase::Connecting;
  dump_asked_at_.reset();
  ended_at_.reset();
  games_in_stay_ = 0;
  ready_sent_ = false;
  last_progress_ = loop_.Now();
}

void SoakClient::Restart(platform::TimeMs now) {
  if (!ended_at_) ended_at_ = now;
  if (now - *ended_at_ < kRefusedAwayMs) return;
  Note("started again");
  ++counts_.restarts;
  StartClient();
}

void SoakClient::OnLobbyMessage(const posix::WindowMessage& message) {
  Note("lobby <- " + posix::FormatWindowMessage(message) + ": " +
       lobby_tool::Meaning(phase_, message));
  const lobby_tool::ClientPhase before = phase_;
  phase_ = lobby_tool::NextPhase(phase_, message);
  if (message.msg == platform::kLeft && !away_) {
    ++counts_.left_after_game;
    away_ = true;
    back_at_ = loop_.Now() + kAwayMs;
  }
  if (phase_ == lobby_tool::ClientPhase::LoginFailed && before != phase_) ++counts_.refused_logins;
}

void SoakClient::Tick(platform::TimeMs now) {
  if (const auto code = client_->Process().ExitCode()) {
    // The messages it posted just before it ended may not have been read yet.
    if (!ended_at_) loop_.ProcessEventsUntil(loop_.Now() + kLastWordsMs, [] { return false; });
    CheckEnd(*code);
    Restart(now);
    return;
  }
  if (away_ && now >= back_at_) {
    PostToTable(platform::kEnterTable);
    Note("sent back to the table");
    ++counts_.re_entries;
    away_ = false;
    phase_ = lobby_tool::ClientPhase::Connecting;
    ready_sent_ = false;
    last_progress_ = now;
  }
  if (!away_ && now - last_progress_ > kGameDeadline)
    Fail("finished no game in " + std::to_string(kGameDeadline / 1000) + " s");
  const std::filesystem::path file = folders_.Dumps() / "table.json";
  if (dump_asked_at_) {
    if (!std::filesystem::exists(file)) {
      if (now - *dump_asked_at_ > kDumpDeadline)
        Fail("wrote no dump in " + std::to_string(kDumpDeadline / 1000) + " s");
      return;
    }
    dump_asked_at_.reset();
    try {
      const lobby_tool::TableView view = lobby_tool::ReadTableView(tools::ReadWholeFile(file));
      // The phase is not asked for: a reconnection reports connecting and the login request
      // again, but no second login; what the table shows is what counts.
      if (!away_) Act(view, now);
    } catch (const std::runtime_error& error) {
      Fail(std::string("wrote a dump that cannot be read: ") + error.what());
    }
  }
  Tell([&] { client_->RequestDump(file); });
  dump_asked_at_ = now;
}

void SoakClient::Act(const lobby_tool::TableView& view, platform::TimeMs now) {
  const std::size_t games = view.game_numbers.size();
  games_in_stay_ = std::min(games_in_stay_, games);  // a new stay starts the list again
  if (games > games_in_stay_) {
    GameFinished(games, now);
  } else if (view.bet_button_shown) {
    Turn(view, now);
  } else if (!ready_sent_ && !view.players[0].empty()) {
    Tell([&] { client_->Process().WriteLine("click AnNiu 2"); });
    ready_sent_ = true;
  }
}

void SoakClient::GameFinished(std::size_t games, platform::TimeMs now) {
  Note("game " + std::to_string(games) + " of this stay finished");
  counts_.games += static_cast<int>(games - games_in_stay_);
  games_in_stay_ = games;
  last_progress_ = now;
  const std::size_t recorded = RecordedGames(folders_.Program() / "info.xh");
  if (recorded != games) {
    Fail("shows " + std::to_string(games) + " games of this stay but its record file holds " +
         std::to_string(recorded));
  }
  if (!baseline_rss_) {
    SampleMemory();
    baseline_rss_ = last_rss_;
  }
  ready_sent_ = false;
  plan_ = draw_.Next();
  if (plan_ == SeatPlan::kLeaveAfterGame) {
    PostToTable(platform::kLeaveUnlessBusy);
    Note("asked to leave after the game");
    plan_ = SeatPlan::kPlay;
  }
}

void SoakClient::Turn(const lobby_tool::TableView& view, platform::TimeMs now) {
  const auto answer = lobby_tool::AnswerTurn(view);
  if (!answer) return;
  switch (plan_) {
    case SeatPlan::kCutAtTurn:
      // The client comes back by itself and the server offers the turn again.
      if (relay_.Cut()) ++counts_.cuts;
      Note("link cut at its turn");
      break;
    case SeatPlan::kLeaveAtTurn:
      PostToTable(platform::kLeaveNow);
      Note("told to leave at its turn");
      ++counts_.left_in_hand;
      away_ = true;
      back_at_ = now + kAwayMs;
      break;
    default:
      Tell([&] {
        for (const std::string& command : answer->commands) client_->Process().WriteLine(command);
      });
      Note(answer->description);
  }
  plan_ = SeatPlan::kPlay;
}

void SoakClient::PostToTable(int message) {
  if (!windows_.Post(model::kProgramTitle, {message, 0, 0}))
    Fail("has no table window to post " + std::to_string(message) + " to");
}

void SoakClient::Tell(const std::function<void()>& write) {
  try {
    write();
  } catch (const std::runtime_error& error) {
    auto& client = client_->Process();
    loop_.ProcessEventsUntil(loop_.Now() + kLastWordsMs,
                             [&] { return client.ExitCode().has_value(); });
    if (!client.ExitCode()) Fail(std::string("cannot be given a command: ") + error.what());
  }
}

void SoakClient::SampleMemory() {
  if (const auto rss = ResidentBytes(client_->Process().Pid())) {
    last_rss_ = *rss;
    counts_.peak_rss = std::max(counts_.peak_rss, *rss);
  }
}

void SoakClient::CheckEnd(int code) const {
  if (code != 0 || phase_ != lobby_tool::ClientPhase::LoginFailed)
    Fail("ended by itself (exit code " + std::to_string(code) + ")");
}

void SoakClient::Stop() {
  // A client refused a seat has ended, as it should, and waits to be started again.
  if (const auto code = client_->Process().ExitCode()) {
    CheckEnd(*code);
    return;
  }
  client_->Process().Stop(kStopGrace);
}

void SoakClient::Note(const std::string& event) {
  constexpr std::size_t kKept = 12;
  events_.push_back(event);
  if (events_.size() > kKept) events_.pop_front();
}

void SoakClient::Fail(const std::string& what) const {
  std::string said = client_->Process().Stderr();
  constexpr std::size_t kTail = 2000;
  if (said.size() > kTail) said = "..." + said.substr(said.size() - kTail);
  std::string last = "; its last events:";
  for (const std::string& event : events_) last += "\n  " + event;
  throw SoakFailure(Name() + " (" + account_ + ") " + what + last +
                    (said.empty() ? "" : "\nit said:\n" + said));
}

}  // namespace tlj::soak
