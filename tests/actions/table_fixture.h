#pragma once
// A client logged in at a full table (the user at seat bit 1, the others at 2, 4 and 8), with
// builders for the server's hand frames and readers for what the client sent and played.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game/cards.h"
#include "core/game/table_model.h"
#include "core/model/table_state.h"
#include "core/net/frame.h"
#include "sim/client_harness.h"

namespace tlj::testing::turns {

using net::Frame;

inline void PutLe64(Frame& f, std::size_t at, std::uint64_t value) {
  for (std::size_t k = 0; k < 8; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline void PutCard(Frame& f, std::size_t at, int rank, int suit_bit) {
  f[at] = 0;
  f[at + 1] = 0;
  f[at + 2] = static_cast<std::uint8_t>(rank);
  f[at + 3] = static_cast<std::uint8_t>(suit_bit);
}

struct Turn {
  std::uint8_t seat = 1;
  int rank0 = 5;
  int rank1 = 9;
  std::uint64_t min = 100;
  std::uint64_t max = 20000;
  std::uint8_t round = 1;
  std::uint8_t phase = 0;
};

inline Frame TurnFrame(const Turn& t) {
  Frame f = sim::MakeFrame(net::kTypeTurnStart, t.seat);
  PutCard(f, 8, t.rank0, 4);
  PutCard(f, 12, t.rank1, 8);
  PutLe64(f, 16, t.min);
  PutLe64(f, 24, t.max);
  f[32] = t.round;
  f[33] = t.phase;
  return f;
}

inline Frame NewHandFrame(std::uint64_t ante, std::uint64_t coins = 1000) {
  Frame f = sim::MakeFrame(net::kTypeNewHand);
  for (std::size_t i = 0; i < 4; ++i) {
    PutLe64(f, 16 + 8 * i, coins + i);
    f[48 + i] = static_cast<std::uint8_t>(1u << i);
  }
  PutLe64(f, 52, ante);
  return f;
}

inline Frame BetFrame(std::uint8_t seat, std::uint64_t stake, std::uint64_t pot, int rank = 7,
                      int suit_bit = 2) {
  Frame f = sim::MakeFrame(net::kTypeBet, seat);
  PutCard(f, 12, rank, suit_bit);
  PutLe64(f, 16, stake);
  PutLe64(f, 24, pot);
  return f;
}

inline Frame ResultFrame(std::uint8_t seat, std::uint8_t outcome, std::uint64_t stake,
                         std::uint64_t coins, std::uint64_t paid, std::uint64_t pot) {
  Frame f = sim::MakeFrame(net::kTypeBetResult, seat);
  f[16] = outcome;
  PutLe64(f, 20, stake);
  PutLe64(f, 28, coins);
  PutLe64(f, 36, paid);
  PutLe64(f, 44, pot);
  return f;
}

class TableFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    h.StartAtTable();
    ASSERT_FALSE(h.Ended());
    SeatPlayers();
    h.lobby.ClearReceived(sim::kLobbyTitle);
  }

  // The seat table as the player-arrives commands would leave it.
  static void SeatPlayers() {
    const char* names[] = {"abc", "bob", "cat", "dan"};
    for (std::size_t pos = 0; pos < 4; ++pos)
      model::custom[pos] = {names[pos], static_cast<std::uint8_t>(1u << pos)};
  }

  // Lets the client handle a frame (and whatever the handler waits for).
  void Send(const Frame& f, platform::TimeMs ms = 200) {
    h.ServerSend(f);
    h.RunFor(ms);
  }

  // Input as the window system (or the automation channel) delivers it.
  void Fire(const std::string& name, std::optional<int> index, platform::EventKind kind) {
    platform::ElementEvent event;
    event.window = "MainForm";
    event.name = name;
    event.index = index;
    event.kind = kind;
    h.tree.Fire(event);
  }
  void Click(const std::string& name, int index) { Fire(name, index, platform::EventKind::Click); }
  void Move(const std::string& name, std::optional<int> index = {}) {
    Fire(name, index, platform::EventKind::MouseMove);
  }

  // The frames of one type the server received from the client.
  std::vector<Frame> Sent(std::uint8_t type) const {
    std::vector<Frame> frames;
    for (const Frame& f : h.FramesFromClient())
      if (f[net::kTypeAt] == type) frames.push_back(f);
    return frames;
  }

  // The file names of the sounds started since the calls were last cleared, in order.
  std::vector<std::string> Played() const {
    std::vector<std::string> names;
    for (const auto& call : h.sound.Calls()) {
      if (call.op != sim::SoundOp::Play) continue;
      names.push_back(call.path.substr(call.path.find_last_of("/\\") + 1));
    }
    return names;
  }
  int TimesPlayed(const std::string& name) const {
    const auto names = Played();
    return static_cast<int>(std::count(names.begin(), names.end(), name));
  }

  sim::ClientHarness h;
};

}  // namespace tlj::testing::turns
