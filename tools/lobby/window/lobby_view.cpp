#include "tools/lobby/window/lobby_view.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/quiet_platform_log.h"
#include "posix/stop_signals.h"
#include "tools/lobby/window/message_list.h"
#include "tools/lobby/window/seat_form.h"

namespace tlj::lobby_tool {
namespace {

// Qt's loop does the waiting; the lobby's descriptors are looked at this often. A person
// clicking, and a client posting a handful of messages a minute, notice no delay.
constexpr std::chrono::milliseconds kPumpInterval{50};
constexpr std::chrono::milliseconds kStopGrace{3000};

struct RequestButton {
  platform::TableMessage message;
  const char* name;
  const char* caption;
};

constexpr RequestButton kRequestButtons[] = {
    {platform::kEnterTable, "enter", "22: enter a table again"},
    {platform::kLeaveUnlessBusy, "leave", "771: leave the table"},
    {platform::kLeaveNow, "leaveNow", "1024: leave now"},
    {platform::kMayLeave, "mayLeave", "1125: may the user leave?"},
};

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

LobbyView::LobbyView(platform::EventLoop& loop, posix::PollBackend& poll,
                     LobbyViewSettings settings)
    : loop_(loop),
      poll_(poll),
      settings_(std::move(settings)),
      windows_(folders_.Windows()),
      form_(new SeatForm(this)),
      list_(new MessageList(this)) {
  setWindowTitle(QString::fromStdString(settings_.title));

  auto* seat = new QGroupBox("Seat the client", this);
  auto* start = new QPushButton("Start the client", seat);
  start->setObjectName("start");
  auto* seat_layout = new QVBoxLayout(seat);
  seat_layout->addWidget(form_);
  seat_layout->addWidget(start, 0, Qt::AlignRight);
  connect(start, &QPushButton::clicked, this, [this] { StartClient(); });

  auto* top = new QHBoxLayout;
  top->addWidget(seat, 3);
  top->addWidget(MakeRequestButtons(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  resize(720, 600);

  lobby_ = std::make_unique<LobbyWindow>(
      loop_, poll_, windows_, settings_.title,
      [this](const posix::WindowMessage& message) { OnLobbyMessage(message); });
  list_->Add("lobby window " + Quoted(lobby_->Title()) + " open in " + windows_.Path().string());

  connect(&pump_, &QTimer::timeout, this, [this] { Pump(); });
  pump_.start(kPumpInterval);
}

LobbyView::~LobbyView() {
  if (client_ && !client_->Process().ExitCode()) client_->Process().Stop(kStopGrace);
}

QWidget* LobbyView::MakeRequestButtons() {
  auto* box = new QGroupBox("To the table window", this);
  auto* layout = new QVBoxLayout(box);
  for (const RequestButton& request : kRequestButtons) {
    auto* button = new QPushButton(request.caption, box);
    button->setObjectName(request.name);
    connect(button, &QPushButton::clicked, this, [this, request] { Post(request.message); });
    layout->addWidget(button);
  }
  layout->addStretch();
  return box;
}

void LobbyView::Pump() {
  loop_.ProcessReadyEvents();
  poll_.WaitForEvents(poll_.Now(), loop_);  // a deadline of now: it only looks
  loop_.ProcessReadyEvents();
  NoticeClientEnd();
}

void LobbyView::StartClient() {
  if (client_ && !client_->Process().ExitCode()) {
    list_->Add("the client still runs: close it before starting another");
    return;
  }
  const SeatCommandLine line = form_->Line(settings_.title);
  if (const std::string problem = line.Problem(); !problem.empty()) {
    list_->Add("cannot start the client: " + problem);
    return;
  }
  client_.reset();
  try {
    client_ = std::make_unique<TableClient>(
        loop_, poll_, settings_.client_program, line, folders_, false,
        [this](const std::string& text) { list_->Add("client: " + text); });
  } catch (const std::runtime_error& error) {
    list_->Add(std::string("the client did not start: ") + error.what());
    return;
  }
  client_end_noticed_ = false;
  phase_ = ClientPhase::Connecting;
  const std::string name = std::filesystem::path(settings_.client_program).filename().string();
  list_->Add("client started: " + name + " '" + line.MaskedText() + "'");
}

void LobbyView::Post(platform::TableMessage message) {
  const std::string title = form_->TableTitle();
  const posix::WindowMessage posted{message, 0, 0};
  const std::string number = std::to_string(message);
  switch (windows_.TryPost(title, posted)) {
    case posix::PostOutcome::kSent:
      list_->Add("lobby -> " + posix::FormatWindowMessage(posted) + " to " + Quoted(title) + ": " +
                 Request(message));
      break;
    case posix::PostOutcome::kNoWindow:
      list_->Add("lobby: no window titled " + Quoted(title) + " to post " + number + " to");
      break;
    case posix::PostOutcome::kQueueFull:
      list_->Add("lobby: " + Quoted(title) + " is not reading its messages; " + number +
                 " not sent");
      break;
  }
}

void LobbyView::OnLobbyMessage(const posix::WindowMessage& message) {
  list_->Add("lobby <- " + posix::FormatWindowMessage(message) + ": " + Meaning(phase_, message));
  phase_ = NextPhase(phase_, message);
  if (message.msg != platform::kWmSysCommand) return;
  if (message.wparam == platform::kScMinimize) {
    showMinimized();
  } else if (message.wparam == platform::kScRestore) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
  }
}

void LobbyView::NoticeClientEnd() {
  if (!client_ || client_end_noticed_) return;
  const auto code = client_->Process().ExitCode();
  if (!code) return;
  client_end_noticed_ = true;
  list_->Add("client ended (exit code " + std::to_string(*code) + ")");
}

int RunLobbyWindow(const LobbyViewSettings& settings) {
  int argc = 1;
  char name[] = "tlj-lobby";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  desktop::QuietPlatformWarnings();
  posix::PollBackend poll;
  platform::EventLoop loop(poll);
  LobbyView view(loop, poll, settings);
  // Ctrl+C in the terminal ends it through the same clean-up as closing the window.
  posix::StopSignals stop_signals(loop, poll, [](int) { QApplication::quit(); });
  view.show();
  return QApplication::exec();
}

}  // namespace tlj::lobby_tool
