#include "tests/support/table_fixture.h"

#include <algorithm>

#include "core/model/table_state.h"

namespace tlj::testing {

void ClientFixture::Send(const net::Frame& frame, platform::TimeMs ms) {
  h.ServerSend(frame);
  h.RunFor(ms);
}

void ClientFixture::Fire(const std::string& name, std::optional<int> index,
                         platform::EventKind kind) {
  platform::ElementEvent event;
  event.window = "MainForm";
  event.name = name;
  event.index = index;
  event.kind = kind;
  h.tree.Fire(event);
}

void ClientFixture::Click(const std::string& name, std::optional<int> index) {
  Fire(name, index, platform::EventKind::Click);
}

void ClientFixture::Move(const std::string& name, std::optional<int> index) {
  Fire(name, index, platform::EventKind::MouseMove);
}

void ClientFixture::PostClick(const std::string& window, const std::string& name,
                              std::optional<int> index, platform::TimeMs ms) {
  platform::ElementEvent click;
  click.window = window;
  click.name = name;
  click.index = index;
  h.Post([this, click] { h.tree.Fire(click); });
  h.RunFor(ms);
}

std::vector<net::Frame> ClientFixture::Sent(std::uint8_t type,
                                            std::optional<std::uint8_t> status) const {
  std::vector<net::Frame> frames;
  for (const net::Frame& f : h.FramesFromClient()) {
    if (f[net::kTypeAt] == type && (!status || f[net::kStatusAt] == *status)) frames.push_back(f);
  }
  return frames;
}

std::vector<std::string> ClientFixture::Played() const {
  std::vector<std::string> names;
  for (const auto& call : h.sound.Calls()) {
    if (call.op != sim::SoundOp::Play) continue;
    names.push_back(call.path.substr(call.path.find_last_of("/\\") + 1));
  }
  return names;
}

int ClientFixture::TimesPlayed(const std::string& name) const {
  const auto names = Played();
  return static_cast<int>(std::count(names.begin(), names.end(), name));
}

void ConnectedFixture::SetUp() {
  h.Listen();
  h.Start(sim::DirectCommandLine());
  h.RunFor(200);  // the login channel sends the request on its fourth tick
  ASSERT_TRUE(h.ServerConnected());
  h.lobby.ClearReceived(sim::kLobbyTitle);
}

void ConnectedFixture::LogIn() {
  h.AcceptLogin();
  h.RunFor(200);
  h.lobby.ClearReceived(sim::kLobbyTitle);
}

void LoggedInFixture::SetUp() {
  ConnectedFixture::SetUp();
  LogIn();
  ASSERT_FALSE(h.Ended());
}

void LoggedInFixture::SeatEveryone(bool others_ready) {
  Arrive(User());
  for (int pos = 1; pos <= 3; ++pos) Arrive(Other(pos, others_ready));
}

void SeatedFixture::SetUp() {
  LoggedInFixture::SetUp();
  FillSeats();
}

void SeatedFixture::FillSeats() {
  const char* names[] = {"abc", "bob", "cat", "dan"};
  for (std::size_t pos = 0; pos < 4; ++pos)
    model::custom[pos] = {names[pos], static_cast<std::uint8_t>(1u << pos)};
}

}  // namespace tlj::testing
