#pragma once
// One seat of the soak: a headless client in folders of its own, its own lobby window, and a
// relay the soak can cut. Each tick it looks at the client's dump and plays as a person would,
// following its plan for the game, and it checks that the client keeps going: a dump within
// its deadline, a finished game within its deadline, every finished game in the record file.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/platform/event_loop.h"
#include "posix/poll_backend.h"
#include "posix/window_directory.h"
#include "tools/lobby/lobby_messages.h"
#include "tools/lobby/lobby_window.h"
#include "tools/lobby/private_folders.h"
#include "tools/lobby/table_client.h"
#include "tools/lobby/table_view.h"
#include "tools/soak/link_relay.h"
#include "tools/soak/seat_plan.h"

namespace tlj::soak {

class SoakFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SeatCounts {
  int games = 0;              // finished at the table, as the client showed them
  int cuts = 0;               // links cut at the user's turn
  int left_in_hand = 0;       // left at the user's turn
  int left_after_game = 0;    // left between games
  int re_entries = 0;         // sent back to a table by the lobby
  int refused_logins = 0;     // logins the server refused (no seat free): the client ends
  int restarts = 0;           // clients started again after a refused login
  std::int64_t peak_rss = 0;  // bytes
};

class SoakClient {
 public:
  // Throws std::runtime_error when the client cannot be started.
  SoakClient(platform::EventLoop& loop, posix::PollBackend& poll, int number,
             const std::string& client_program, const std::string& server_host, int server_port,
             std::uint32_t seed);

  // Looks at the client and plays; throws SoakFailure when it has ended or stopped going.
  void Tick(platform::TimeMs now);
  // Samples the client's memory; its growth after the first finished game is the run's measure
  // of a leak.
  void SampleMemory();
  // Stops the client; throws SoakFailure when it had ended by itself.
  void Stop();

  const SeatCounts& Counts() const { return counts_; }
  // Bytes the client's memory grew between the first finished game and the last sample.
  std::int64_t Growth() const { return baseline_rss_ ? last_rss_ - *baseline_rss_ : 0; }
  std::string Name() const { return "client " + std::to_string(number_); }

 private:
  void StartClient();
  // A client whose login was refused has ended, as it should; the lobby starts it again.
  void Restart(platform::TimeMs now);
  // Fails unless the client ended as it does after a refused login.
  void CheckEnd(int code) const;
  void OnLobbyMessage(const posix::WindowMessage& message);
  void Act(const lobby_tool::TableView& view, platform::TimeMs now);
  void GameFinished(std::size_t games, platform::TimeMs now);
  void Turn(const lobby_tool::TableView& view, platform::TimeMs now);
  void PostToTable(int message);
  // Runs `write`, which writes commands to the client. A client refused a seat ends by itself,
  // and may do so after this tick looked at its exit: a write that fails because it has ended
  // is left to the next tick, which handles that end. Any other failed write fails the run.
  void Tell(const std::function<void()>& write);
  // Keeps the client's last events for a failure's message.
  void Note(const std::string& event);
  [[noreturn]] void Fail(const std::string& what) const;

  platform::EventLoop& loop_;
  posix::PollBackend& poll_;
  std::string client_program_;
  int number_;
  std::string account_;
  lobby_tool::PrivateFolders folders_;
  posix::WindowDirectory windows_;
  LinkRelay relay_;
  std::unique_ptr<lobby_tool::LobbyWindow> lobby_;
  std::unique_ptr<lobby_tool::TableClient> client_;
  lobby_tool::ClientPhase phase_ = lobby_tool::ClientPhase::Connecting;
  PlanDraw draw_;
  SeatPlan plan_ = SeatPlan::kPlay;
  SeatCounts counts_;

  std::optional<platform::TimeMs> dump_asked_at_;
  std::size_t games_in_stay_ = 0;  // the game numbers the table shows since the last entry
  bool ready_sent_ = false;
  bool away_ = false;  // asked to leave, or left; comes back at back_at_
  platform::TimeMs back_at_ = 0;
  std::optional<platform::TimeMs> ended_at_;  // when a refused client was seen to end
  platform::TimeMs last_progress_ = 0;        // a game finished, or the client came back
  std::deque<std::string> events_;
  std::optional<std::int64_t> baseline_rss_;
  std::int64_t last_rss_ = 0;
};

}  // namespace tlj::soak
