#include "tools/lobby/demo.h"

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string_view>

#include "core/platform/lobby_link.h"
#include "tools/common/whole_file.h"
#include "tools/lobby/turn_policy.h"
#include "tools/lobby/window_lines.h"

namespace tlj::lobby_tool {
namespace {

constexpr const char* kLobbyTitle = "星湖山庄";
constexpr const char* kTableTitle = "铜炉局";

// Deadlines for steps that take a fraction of a second when all is well.
constexpr platform::TimeMs kStepDeadline = 10'000;
constexpr platform::TimeMs kTick = 100;
constexpr std::chrono::milliseconds kStopGrace{5000};
// How often the lobby looks at the table while a game runs, and how long a game may take.
constexpr platform::TimeMs kLookInterval = 150;
constexpr platform::TimeMs kGameDeadline = 600'000;
// Bots that think and sit down quickly, so that a game takes a minute or two, chat often enough
// to be heard in one game, and change seats after every game.
const std::vector<std::string> kQuickBots = {"--bot-delay", "500", "--bot-think",     "400",
                                             "--bot-chat",  "3",   "--shuffle-seats", "1"};
// The user's quick phrase of each game: a line of the phrase window's first list.
constexpr int kPhraseLines = 4;

SeatCommandLine DemoSeat(int port, const std::optional<DemoProxy>& proxy) {
  SeatCommandLine seat{"demo", "demo", "127.0.0.1", port, "房间一"};
  if (proxy) {
    seat.connection = Connection::kSocks5;
    seat.proxy_host = proxy->host;
    seat.proxy_port = proxy->port;
    seat.proxy_user = proxy->user;
    seat.proxy_password = proxy->password;
  }
  return seat;
}

std::string Indented(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  std::string indented;
  while (std::getline(lines, line)) indented += "\n  " + line;
  return indented;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Whether a client without a window has shown a message box: it writes each one to standard
// error as a line "MessageBox: TITLE: TEXT".
bool WroteMessageBox(const std::string& said) {
  constexpr std::string_view kBox = "MessageBox: ";
  for (auto at = said.find(kBox); at != std::string::npos; at = said.find(kBox, at + 1)) {
    if ((at == 0 || said[at - 1] == '\n') && said.find('\n', at) != std::string::npos) return true;
  }
  return false;
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
  PlayGames();
  ShowLeaveDialog();
  AskToLeave();
  CheckIdle();
  StopClientAndServer();
  transcript_.Line("demo finished");
}

void Demo::StartServer() {
  try {
    std::vector<std::string> args = kQuickBots;
    args.push_back("--transcript");
    if (!settings_.seed.empty()) args.insert(args.end(), {"--seed", settings_.seed});
    server_ = std::make_unique<ServerProcess>(
        loop_, poll_, settings_.server_program, std::move(args), settings_.verbose,
        [this](const std::string& line) { transcript_.Line("table: " + line); },
        PassThrough("server"));
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
  const SeatCommandLine seat = DemoSeat(server_->Address()->port, settings_.proxy);
  try {
    client_ = std::make_unique<TableClient>(loop_, poll_, settings_.client_program, seat, folders_,
                                            settings_.headless, PassThrough("client"));
  } catch (const std::runtime_error& error) {
    throw DemoFailure(std::string("the client did not start: ") + error.what());
  }
  transcript_.Line(std::string("client started: tlj ") + (settings_.headless ? "--headless " : "") +
                   "'" + seat.MaskedText() + "'");
}

void Demo::WaitForLogin() {
  const auto answered = [&] {
    return phase_ == ClientPhase::AtTable || phase_ == ClientPhase::LoginFailed;
  };
  // A client that could not reach the server says why in a message box and waits there; once
  // it has said so, there is nothing left to wait for.
  const auto gave_up = [&] { return WroteMessageBox(client_->Process().Stderr()); };
  loop_.ProcessEventsUntil(loop_.Now() + kStepDeadline, [&] {
    CheckChildrenRun();
    return answered() || gave_up();
  });
  if (!answered()) {
    throw DemoFailure(std::string("the client did not log in") + (gave_up() ? "" : " within 10 s") +
                      ClientSaid());
  }
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
  ShowAdvert();
}

// The page the login reply named shows over the bird once the client has fetched it.
void Demo::ShowAdvert() {
  const platform::TimeMs deadline = loop_.Now() + kStepDeadline;
  std::string advert = Look().advert;
  while (advert.empty()) {
    if (loop_.Now() > deadline) throw DemoFailure("the advertisement panel did not show in 10 s");
    loop_.ProcessEventsUntil(loop_.Now() + kLookInterval, [&] {
      CheckChildrenRun();
      return false;
    });
    advert = Look().advert;
  }
  transcript_.Line("advertisement panel shows " + advert);
}

void Demo::PlayGames() {
  transcript_.Line("playing " + std::to_string(settings_.games) +
                   (settings_.games == 1 ? " game" : " games"));
  std::size_t games_played = 0;
  bool ready_sent = false;
  bool phrase_said = false;
  platform::TimeMs deadline = loop_.Now() + kGameDeadline;
  while (games_played < static_cast<std::size_t>(settings_.games)) {
    const TableView view = Look();
    ReportChat(view);
    ReportNotice(view);
    if (view.game_numbers.size() > games_played) {
      games_played = view.game_numbers.size();
      ShowScoreSheet(view);
      if (games_played == 1) ShowSmallWindows(view);
      ready_sent = false;
      phrase_said = false;
      deadline = loop_.Now() + kGameDeadline;
      continue;
    }
    if (const auto answer = AnswerTurn(view)) {
      if (!phrase_said) SayPhrase(games_played);
      phrase_said = true;
      for (const std::string& command : answer->commands) client_->Process().WriteLine(command);
      transcript_.Line("you: " + answer->description);
    } else if (!ready_sent && !view.players[0].empty()) {
      client_->Process().WriteLine("click AnNiu 2");
      transcript_.Line(std::string("you: click ") + (games_played == 0 ? "start" : "continue"));
      ready_sent = true;
    }
    if (loop_.Now() > deadline) {
      throw DemoFailure("game " + std::to_string(games_played + 1) +
                        " did not end within 10 minutes");
    }
    loop_.ProcessEventsUntil(loop_.Now() + kLookInterval, [&] {
      CheckChildrenRun();
      return false;
    });
  }
}

// The policy says one quick phrase a game, at the user's first turn, through the phrase window
// as a player would.
void Demo::SayPhrase(std::size_t game) {
  const int line = static_cast<int>(game % kPhraseLines);
  client_->Process().WriteLine("click imgword1");
  client_->Process().WriteLine("dblclick huifu.List1 " + std::to_string(line));
  transcript_.Line("you: say quick phrase " + std::to_string(line + 1));
}

// New lines of the chat history, and each phrase as its bubble appears.
void Demo::ReportChat(const TableView& view) {
  if (view.chat_lines.size() < chat_lines_seen_) chat_lines_seen_ = 0;  // the history was cleared
  for (std::size_t k = chat_lines_seen_; k < view.chat_lines.size(); ++k)
    transcript_.Line("chat: " + view.chat_lines[k]);
  chat_lines_seen_ = view.chat_lines.size();
  for (std::size_t seat = 0; seat < view.bubbles.size(); ++seat) {
    const std::string& phrase = view.bubbles[seat];
    if (phrase == bubbles_seen_[seat]) continue;
    bubbles_seen_[seat] = phrase;
    if (phrase.empty() || phrase == "  ") continue;
    const std::string& who = view.players[seat];
    transcript_.Line("bubble over " + (who.empty() ? "seat " + std::to_string(seat) : who) + ": " +
                     phrase);
  }
}

// The notice panel, each time it comes up while the seats change.
void Demo::ReportNotice(const TableView& view) {
  if (!view.notice.empty() && view.notice != notice_seen_)
    transcript_.Line("notice panel shows " + view.notice + " while the seats change");
  notice_seen_ = view.notice;
}

void Demo::ShowScoreSheet(const TableView& view) {
  transcript_.Line("score sheet of game " + std::to_string(view.game_numbers.size()) + ":");
  for (std::size_t pos = 0; pos < view.score_names.size(); ++pos) {
    std::string finals;
    for (const std::string& line : view.scores[pos + 4])
      finals += (finals.empty() ? "" : " ") + line;
    transcript_.Line("  " + view.score_names[pos] + ": " + (finals.empty() ? "even" : finals));
  }
}

// Each window is opened and closed again, so the table is as the game left it.
void Demo::ShowSmallWindows(const TableView& view) {
  if (!view.score_shown) throw DemoFailure("the score sheet did not show after the game");
  transcript_.Line(ScoreSheetLine(view));
  ShowRanking();
  ShowSoundSettings();
  ShowPlayerCard();
}

void Demo::ShowRanking() {
  const Ranking ranking = Do("click AnNiu 6").ranking;
  if (!ranking.shown) throw DemoFailure("the ranking button did not open the ranking window");
  if (Do("click Hero.Image1 1").ranking.shown)
    throw DemoFailure("the ranking window did not close with its close button");
  transcript_.Line(RankingLine(ranking) + "; closed");
}

void Demo::ShowSoundSettings() {
  const SoundSettings opened = Do("click AnNiu 3").settings;
  if (!opened.shown) throw DemoFailure("the settings button did not open the sound settings");
  const SoundSettings switched = Do("click VosSet.Command2 " + std::to_string(kSoundRow)).settings;
  const SoundSettings cancelled = Do("click VosSet.Command1 1").settings;
  if (cancelled.shown) throw DemoFailure("the sound settings did not close with cancel");
  transcript_.Line(SettingsLine(opened, switched, cancelled, kSoundRow));
}

// The card of the player in the next seat, shown while the pointer rests on the avatar.
void Demo::ShowPlayerCard() {
  const PlayerCard card = Do("move Tou 1").player_card;
  if (!card.shown) throw DemoFailure("no player card showed over the next seat's avatar");
  if (Do("move Pic1").player_card.shown)
    throw DemoFailure("the player card stayed when the pointer moved on");
  transcript_.Line(PlayerLine(card) + "; closed");
}

void Demo::ShowLeaveDialog() {
  const LeaveDialog dialog = Do("click AnNiu 8").leave_dialog;
  if (!dialog.shown) throw DemoFailure("the leave button did not open the leave dialog");
  if (Do("click frmExit.pbCancel").leave_dialog.shown)
    throw DemoFailure("the leave dialog did not close with cancel");
  transcript_.Line(LeaveDialogLine(dialog) + "; cancelled");
}

void Demo::AskToLeave() {
  if (!windows_.Post(kTableTitle, {platform::kLeaveUnlessBusy, 0, 0})) {
    throw DemoFailure("there is no window titled " + Quoted(kTableTitle) + " to post to");
  }
  transcript_.Line("lobby -> " + std::to_string(platform::kLeaveUnlessBusy) + " 0 0 to " +
                   Quoted(kTableTitle) + ": " + Request(platform::kLeaveUnlessBusy));
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
  // The user closes the table window: the client ends through its own shut-down, as it does for
  // a person (and as a build with LeakSanitizer checks it), not by a signal.
  client_->Process().WriteLine("window MainForm close");
  loop_.ProcessEventsUntil(loop_.Now() + kStopGrace.count(),
                           [&] { return client_->Process().ExitCode().has_value(); });
  Stop("client", client_->Process());
  Stop("server", server_->Process());
}

void Demo::Stop(const std::string& who, posix::ChildProcess& child) {
  const int code = child.Stop(kStopGrace);
  loop_.ProcessReadyEvents();  // the last lines it wrote
  if (code != 0) {
    throw DemoFailure("the " + who + " did not stop cleanly (exit code " + std::to_string(code) +
                      ")" + Indented(child.Stderr()));
  }
  transcript_.Line(who + " stopped");
}

TableView Demo::Look() {
  const std::string dump = Dump();
  try {
    return ReadTableView(dump);
  } catch (const std::runtime_error& error) {
    throw DemoFailure(error.what());
  }
}

SmallWindows Demo::Do(const std::string& command) {
  client_->Process().WriteLine(command);
  const std::string dump = Dump();
  try {
    return ReadSmallWindows(dump);
  } catch (const std::runtime_error& error) {
    throw DemoFailure(error.what());
  }
}

std::string Demo::Dump() {
  const auto file = folders_.Dumps() / "table.json";
  client_->RequestDump(file);
  WaitUntil([&] { return std::filesystem::exists(file); }, kStepDeadline,
            "the client did not write its dump within 10 s");
  return tools::ReadWholeFile(file);
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
  throw DemoFailure("the " + who + " ended unexpectedly (exit code " +
                    std::to_string(*child.ExitCode()) + ")" + Said(child));
}

// What a child wrote on standard error, for a failure's message; with --verbose it is in the
// transcript already.
std::string Demo::Said(const posix::ChildProcess& child) const {
  if (settings_.verbose || child.Stderr().empty()) return {};
  return "; it said:" + Indented(child.Stderr());
}

std::string Demo::ClientSaid() const {
  return Said(client_->Process());
}

posix::ChildProcess::LineHandler Demo::PassThrough(const std::string& who) {
  if (!settings_.verbose) return {};
  return [this, who](const std::string& line) { transcript_.Line(who + ": " + line); };
}

}  // namespace tlj::lobby_tool
