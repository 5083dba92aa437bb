#pragma once
// The client on the test harness, from the states the table's tests start in: connected with
// the login request sent, logged in, and logged in at a table whose four seats are taken.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "core/platform/element_tree.h"
#include "sim/client_harness.h"
#include "tests/support/frames.h"

namespace tlj::testing {

// The harness and what tests do with it, in no particular state.
class ClientFixture : public ::testing::Test {
 protected:
  // Lets the client handle a frame from the server (and whatever the handler waits for).
  void Send(const net::Frame& frame, platform::TimeMs ms = 200);

  // Input on the table window as the window system (or the automation channel) delivers it.
  void Fire(const std::string& name, std::optional<int> index, platform::EventKind kind);
  void Click(const std::string& name, std::optional<int> index = {});
  void Move(const std::string& name, std::optional<int> index = {});
  // A click as an event of the loop, then `ms` of time: an end of the process it causes is
  // caught where the loop runs.
  void PostClick(const std::string& window, const std::string& name, std::optional<int> index = {},
                 platform::TimeMs ms = 200);

  // The frames of a type (and status, when given) the server received from the client.
  std::vector<net::Frame> Sent(std::uint8_t type, std::optional<std::uint8_t> status = {}) const;

  // The file names of the sounds started since the calls were last cleared, in order.
  std::vector<std::string> Played() const;
  int TimesPlayed(const std::string& name) const;

  sim::ClientHarness h;
};

// Started with a direct command line: connected, the login request sent, no reply yet; the
// lobby's messages so far are forgotten.
class ConnectedFixture : public ClientFixture {
 protected:
  void SetUp() override;
  // The server accepts the login; the lobby's messages so far are forgotten.
  void LogIn();
};

// Logged in at a table nobody has arrived at yet.
class LoggedInFixture : public ConnectedFixture {
 protected:
  void SetUp() override;
  void Arrive(const Player& player) { Send(PlayerArrivesFrame(player)); }
  // The user and the three others, by their arrivals.
  void SeatEveryone(bool others_ready = false);
};

// Logged in, with the seat table as the four arrivals would leave it (the user "abc" at seat
// code 1, "bob", "cat" and "dan" at 2, 4 and 8) but none of the arrivals' other effects.
class SeatedFixture : public LoggedInFixture {
 protected:
  void SetUp() override;
  static void FillSeats();
};

}  // namespace tlj::testing
