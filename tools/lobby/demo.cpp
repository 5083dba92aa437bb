#include "lobby/demo.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tlj::lobby_tool {
namespace {

constexpr const char* kLobbyTitle = "星湖山庄";
constexpr const char* kTableTitle = "铜炉局";
constexpr int kLeaveRequest = 771;

// Deadlines for steps that take a fraction of a second when all is well.
constexpr platform::TimeMs kStepDeadline = 10'000;
constexpr platform::TimeMs kTick = 100;
constexpr std::chrono::milliseconds kStopGrace{5000};

SeatCommandLine DemoSeat(int port) {
  return {"demo", "demo", "127.0.0.1", port, "房间一"};
}

std::string Indented(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  std::string indented;
  while (std::getline(lines, line)) indented += "\n  " + line;
  return indented;
}

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

Demo::Demo(DemoSettings settings, std::ostream& transcript)
    : settings_(std::move(settings)),
      transcript_(transcript, loop_),
      windows_(folders_.Windows()),
      tick_(loop_, [] {}),
      signals_(loop_, poll_, [](int signal) {
        throw DemoFailure("stopped by signal " + std::to_string(signal));
      }) {
  tick_.SetInterval(kTick);
  tick_.SetEnabled(true);
}

void Demo::Run() {
  StartServer();
  OpenLobbyWindow();
  StartClient();
  WaitForLogin();
  ShowTable();
  StayAtTable();
  AskToLeave();
  CheckIdle();
  StopClientAndServer();
  transcript_.Line("demo finished");
}

void Demo::StartServer() {
  try {
    server_ = std::make_unique<ServerProcess>(loop_, poll_, settings_.server_program,
                                              settings_.verbose, PassThrough("server"));
  } catch (const std::runtime_error& error) {
    throw DemoFailure(std::string("the server did not start: ") + error.what());
  }
  WaitUntil([&] { return server_->Address().has_value(); }, kStepDeadline,
            "the server did not say where it listens within 10 s");
  const ListenAddress& address = *server_->Address();
  transcript_.Line("server listening on " + address.host + ":" + std::to_string(address.port));
}

void Demo::OpenLobbyWindow() {
  lobby_ = std::make_unique<LobbyWindow>(
      loop_, poll_, windows_, kLobbyTitle,
      [this](const posix::WindowMessage& message) { OnLobbyMessage(message); });
  transcript_.Line("lobby window " + Quoted(lobby_->Title()) + " open");
}

void Demo::StartClient() {
  const SeatCommandLine seat = DemoSeat(server_->Address()->port);
  try {
    client_ = std::make_unique<TableClient>(loop_, poll_, settings_.client_program, seat, folders_,
                                            PassThrough("client"));
  } catch (const std::runtime_error& error) {
    throw DemoFailure(std::string("the client did not start: ") + error.what());
  }
  transcript_.Line("client started: tlj --headless '" + seat.MaskedText() + "'");
}

void Demo::WaitForLogin() {
  WaitUntil([&] { return phase_ == ClientPhase::AtTable || phase_ == ClientPhase::LoginFailed; },
            kStepDeadline, "the client did not log in within 10 s");
  if (phase_ == ClientPhase::LoginFailed) throw DemoFailure("the server refused the login");
}

void Demo::ShowTable() {
  const TableView view = Look();
  for (int line = 0; line < 2; ++line) {
    std::string text;
    for (const std::string& part : view.status_lines[line])
      text += (text.empty() ? "" : " | ") + part;
    transcript_.Line("status line " + std::to_string(line) + ": " + text);
  }
  transcript_.Line("table window caption: " + view.caption);
}

void Demo::StayAtTable() {
  transcript_.Line("staying at the table for " + std::to_string(settings_.seconds) + " s");
  const platform::TimeMs until = loop_.Now() + settings_.seconds * platform::TimeMs{1000};
  loop_.ProcessEventsUntil(until, [&] {
    CheckChildrenRun();
    return false;
  });
}

void Demo::AskToLeave() {
  if (!windows_.Post(kTableTitle, {kLeaveRequest, 0, 0})) {
    throw DemoFailure("there is no window titled " + Quoted(kTableTitle) + " to post to");
  }
  transcript_.Line("lobby -> " + std::to_string(kLeaveRequest) + " 0 0 to " + Quoted(kTableTitle) +
                   ": leave the table");
  WaitUntil([&] { return phase_ == ClientPhase::Idle; }, kStepDeadline,
            "the client did not answer the request to leave within 10 s");
}

void Demo::CheckIdle() {
  const TableView view = Look();
  const bool quiet = view.status_lines[0].empty() && view.status_lines[1].empty();
  if (!view.minimized || !quiet) {
    throw DemoFailure(
        std::string("the client did not go idle after leaving: the table window is ") +
        (view.minimized ? "minimized" : "not minimized") + " and the status lines " +
        (quiet ? "are empty" : "are not empty"));
  }
  transcript_.Line("client is idle: table window minimized, status lines empty");
}

void Demo::StopClientAndServer() {
  client_->Process().Stop(kStopGrace);
  loop_.ProcessReadyEvents();  // the last lines it wrote
  transcript_.Line("client stopped");
  const int server_code = server_->Process().Stop(kStopGrace);
  loop_.ProcessReadyEvents();
  if (server_code != 0) {
    throw DemoFailure("the server did not stop cleanly (exit code " + std::to_string(server_code) +
                      ")" + Indented(server_->Process().Stderr()));
  }
  transcript_.Line("server stopped");
}

TableView Demo::Look() {
  const auto file = folders_.Dumps() / "table.json";
  client_->RequestDump(file);
  WaitUntil([&] { return std::filesystem::exists(file); }, kStepDeadline,
            "the client did not write its dump within 10 s");
  try {
    return ReadTableView(ReadWhole(file));
  } catch (const std::runtime_error& error) {
    throw DemoFailure(error.what());
  }
}

void Demo::OnLobbyMessage(const posix::WindowMessage& message) {
  transcript_.Line("lobby <- " + posix::FormatWindowMessage(message) + ": " +
                   Meaning(phase_, message));
  phase_ = NextPhase(phase_, message);
}

void Demo::WaitUntil(const std::function<bool()>& done, platform::TimeMs span,
                     const std::string& failure) {
  loop_.ProcessEventsUntil(loop_.Now() + span, [&] {
    CheckChildrenRun();
    return done();
  });
  if (!done()) throw DemoFailure(failure);
}

void Demo::CheckChildrenRun() {
  if (server_ && server_->Process().ExitCode()) ChildEnded("server", server_->Process());
  if (client_ && client_->Process().ExitCode()) ChildEnded("client", client_->Process());
}

void Demo::ChildEnded(const std::string& who, posix::ChildProcess& child) {
  std::string failure =
      "the " + who + " ended unexpectedly (exit code " + std::to_string(*child.ExitCode()) + ")";
  if (!settings_.verbose && !child.Stderr().empty()) {
    failure += "; it said:" + Indented(child.Stderr());
  }
  throw DemoFailure(failure);
}

posix::ChildProcess::LineHandler Demo::PassThrough(const std::string& who) {
  if (!settings_.verbose) return {};
  return [this, who](const std::string& line) { transcript_.Line(who + ": " + line); };
}

}  // namespace tlj::lobby_tool
