#pragma once
// A logged-in client and builders for the frames that seat players: what the tests of the
// player, end-of-game and score-sheet commands share.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/net/frame.h"
#include "core/text/ansi.h"
#include "sim/client_harness.h"

namespace tlj::testing {

using sim::ClientHarness;
using sim::MakeFrame;

inline void PutBytes(net::Frame& f, std::size_t at, std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), f.begin() + static_cast<std::ptrdiff_t>(at));
}

// UTF-8 text as the wire holds it (GBK).
inline void PutText(net::Frame& f, std::size_t at, std::string_view utf8) {
  PutBytes(f, at, text::Utf8ToAnsi(utf8).value());
}

inline void PutAmount(net::Frame& f, std::size_t at, std::uint64_t value) {
  for (std::size_t k = 0; k < 8; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline void PutLe32(net::Frame& f, std::size_t at, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k) f[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

struct Player {
  std::string account;
  std::uint8_t seat = 1;  // one-hot seat bit
  std::string nick;
  std::uint64_t coins = 1000;
  std::string face = "m1";
  bool ready = false;
  std::string tag = "新手";
  std::string title = "第一级";
  std::uint32_t wins = 0;
};

// The player-arrives command for `p`, as received by the user sitting at `own_seat`.
inline net::Frame ArrivalFrame(const Player& p, std::uint8_t own_seat = 1) {
  net::Frame f = MakeFrame(20, own_seat);
  PutText(f, 16, p.nick);
  PutBytes(f, 48, p.face);
  PutAmount(f, 96, p.coins);
  PutText(f, 112, p.title);
  PutLe32(f, 160, p.wins);
  PutBytes(f, 168, p.account);
  PutText(f, 184, p.tag);
  f[208] = p.ready ? 1 : 0;
  f[226] = p.seat;
  return f;
}

// The user "abc" sits at seat 0 (bit 1); the others follow at bits 2, 4 and 8, which are
// screen positions 1, 2 and 3.
inline Player User() {
  return {.account = "abc", .seat = 1, .nick = "我"};
}
inline Player Other(int pos, bool ready = false) {
  const std::string n = std::to_string(pos);
  return {.account = "p" + n,
          .seat = static_cast<std::uint8_t>(1 << pos),
          .nick = "nick" + n,
          .face = "w" + n,
          .ready = ready};
}

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.StartAtTable();
    ASSERT_FALSE(h.Ended());
  }

  // Lets the client handle one frame (one receive step of the pump).
  void Send(const net::Frame& frame, platform::TimeMs ms = 200) {
    h.ServerSend(frame);
    h.RunFor(ms);
  }
  void Arrive(const Player& p) { Send(ArrivalFrame(p)); }
  void SeatEveryone(bool others_ready = false) {
    Arrive(User());
    for (int pos = 1; pos <= 3; ++pos) Arrive(Other(pos, others_ready));
  }

  // Frames of a type the client sent to the server so far.
  std::size_t FramesOfType(std::uint8_t type, int status = -1) const {
    const auto frames = h.FramesFromClient();
    return static_cast<std::size_t>(
        std::count_if(frames.begin(), frames.end(), [&](const net::Frame& f) {
          return f[net::kTypeAt] == type && (status < 0 || f[net::kStatusAt] == status);
        }));
  }

  ClientHarness h;
};

}  // namespace tlj::testing
