#include "sim/client_harness.h"

#include "core/net/frame_fields.h"
#include "core/platform/services.h"
#include "core/table/startup.h"
#include "resources/embedded_store.h"

namespace tlj::sim {

net::Frame MakeFrame(std::uint8_t type, std::uint8_t seat, std::uint8_t status) {
  net::Frame f{};
  f[net::kTypeAt] = type;
  f[net::kSeatAt] = seat;
  f[net::kStatusAt] = status;
  return f;
}

std::string DirectCommandLine(const std::string& location) {
  return std::string("abc$xyz$") + kServerHost + "$" + std::to_string(kServerPort) + "$" +
         location + "$0$$$$$0$$$";
}

ClientHarness::ClientHarness()
    : installed_({
          .loop = &loop,
          .ui = &tree,
          .socket = &socket,
          .lobby = &lobby,
          .sound = &sound,
          .msgbox = &boxes,
          .store = &resources::EmbeddedStore(),
          .shell = &shell,
          .app_dir = app_dir.path(),
          .command_line = {},  // Start gives it
          .time_of_day = [this] { return time_of_day; },
      }) {
  lobby.OpenWindow(kLobbyTitle);
}

void ClientHarness::Guard(const std::function<void()>& body) {
  if (Ended()) return;
  try {
    body();
  } catch (const platform::ProcessExit& e) {
    exit_code = e.code;
  }
}

void ClientHarness::Start(const std::string& command_line) {
  platform::Sys().command_line = command_line;
  Guard([] { table::StartUp(); });
}

void ClientHarness::RunFor(platform::TimeMs ms) {
  const platform::TimeMs deadline = loop.Now() + ms;
  Guard([&] {
    loop.ProcessEventsUntil(deadline);
    loop.ProcessReadyEvents();  // what falls due at the deadline itself
  });
}

void ClientHarness::Listen() {
  network.Listen(kServerHost, kServerPort, [this](std::shared_ptr<SimEnd> end) {
    ++connections;
    received_.clear();
    server_end_ = std::move(end);
    server_end_->on_data = [this](const SimEnd::Bytes& bytes) {
      received_.insert(received_.end(), bytes.begin(), bytes.end());
    };
  });
}

void ClientHarness::StopListening() {
  network.StopListening(kServerHost, kServerPort);
}

bool ClientHarness::ServerConnected() const {
  return server_end_ && server_end_->Open();
}

void ClientHarness::ServerSend(const net::Frame& frame) {
  server_end_->Send(frame);
}

void ClientHarness::ServerSendBytes(const std::vector<std::uint8_t>& bytes) {
  server_end_->Send(bytes);
}

void ClientHarness::ServerClose() {
  if (server_end_) server_end_->Close();
}

std::vector<net::Frame> ClientHarness::FramesFromClient() const {
  std::vector<net::Frame> frames;
  for (std::size_t at = 0; at + net::kFrameSize <= received_.size(); at += net::kFrameSize) {
    net::Frame f;
    std::copy_n(received_.begin() + static_cast<std::ptrdiff_t>(at), net::kFrameSize, f.begin());
    frames.push_back(f);
  }
  return frames;
}

void ClientHarness::AcceptLogin(std::uint8_t turn_seconds) {
  auto reply = MakeFrame(net::kTypeLogin, 0, net::login_reply::kAccepted);
  reply[net::login_reply::kTurnSecondsAt] = turn_seconds;
  ServerSend(reply);
}

void ClientHarness::StartAtTable() {
  Listen();
  Start(DirectCommandLine());
  RunFor(200);
  AcceptLogin();
  RunFor(200);
}

void ClientHarness::Post(std::function<void()> action) {
  loop.Post(std::move(action));
}

platform::Element& ClientHarness::El(const std::string& name, std::optional<int> index) {
  return tree.El("MainForm", name, index);
}

std::vector<std::string> ClientHarness::SysmsgLines(int line) {
  return El("Sysmsg", line).lines;
}

}  // namespace tlj::sim
