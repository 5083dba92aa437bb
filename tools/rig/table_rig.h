#pragma once
// A client and the reference server in one process on one virtual clock. The user's turns are
// played with the demo's policy through the same element events the automation channel fires,
// so a whole game runs in a few milliseconds of real time and every frame, lobby message and
// element can be checked afterwards.

#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "sim/client_harness.h"
#include "tools/server/game_config.h"
#include "tools/server/game_server.h"

namespace tlj::rig {

class TableRig {
 public:
  explicit TableRig(server::GameConfig config);
  ~TableRig();
  TableRig(const TableRig&) = delete;
  TableRig& operator=(const TableRig&) = delete;

  // Starts the client with a direct command line to the server (account "abc").
  void Start();
  // Lets virtual time pass while the user plays; stops early when the client has ended.
  void RunFor(platform::TimeMs ms);
  // Plays until `done` holds or `limit` ms of virtual time have passed; returns done().
  bool RunUntil(const std::function<bool()>& done, platform::TimeMs limit);
  // Plays until the client shows the score sheet of game `n` (counted from 1).
  bool PlayUntilGame(int n, platform::TimeMs limit = 30 * 60'000);

  int GamesShown() const;
  // The link breaks: the server hears its connection close, and so does the client.
  void BreakLink();
  // Asked of every frame the server sends the client: true breaks the link right after that
  // frame, so nothing sent after it arrives (a cut at a frame boundary).
  std::function<bool(const net::Frame& frame)> cut_after;
  // How much of the frame at the cut still arrives: all of it, or its first bytes only (a cut
  // inside the frame).
  std::size_t cut_keeps = net::kFrameSize;
  // Handles one automation line ("click frmOtherExit.imgOK") as the headless client would.
  void Click(const std::string& command);

  // The user lets this many of its next turns run out before answering again.
  int turns_to_let_run_out = 0;
  // The user clicks start/continue by itself when a game is due.
  bool auto_ready = true;
  // How often the user looks at the table. Every pump tick sees every frame's effect; a
  // benchmark can look less often.
  platform::TimeMs look_every_ms = 50;

  sim::ClientHarness client;
  std::ostringstream server_log;
  std::ostringstream transcript;
  std::unique_ptr<server::GameServer> server;
  // Every frame the client sent, over every connection, in order.
  std::vector<net::Frame> client_frames;
  // What the user did, one line per action ("bets 150 on ♠J ♥5", "click continue").
  std::vector<std::string> user_actions;
  // Each new line the status strip showed, as the user saw it at its looks.
  std::vector<std::string> status_lines;

 private:
  void Accept(std::shared_ptr<sim::SimEnd> end);
  void Look();

  int connections_ = 0;
  int connection_id_ = 0;              // the server's number of the current connection
  bool cut_ = false;                   // the link is cut; the break itself is on its way
  std::vector<std::uint8_t> pending_;  // bytes of a client frame not yet whole
  std::shared_ptr<sim::SimEnd> server_end_;
  bool turn_seen_ = false;        // the bet button showed at the last look
  bool letting_run_out_ = false;  // the turn on offer is left to run out
  int ready_for_game_ = -1;       // the game number the user last clicked ready for
};

}  // namespace tlj::rig
