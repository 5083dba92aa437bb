#include "tools/rig/table_rig.h"

#include <algorithm>

#include "headless/automation.h"
#include "tools/lobby/turn_policy.h"
#include "tools/rig/tree_view.h"

namespace tlj::rig {
TableRig::TableRig(server::GameConfig config) {
  server = std::make_unique<server::GameServer>(client.loop, std::move(config),
                                                server::AccountBook{}, &server_log, &transcript);
  client.network.Listen(sim::kServerHost, sim::kServerPort,
                        [this](std::shared_ptr<sim::SimEnd> end) { Accept(std::move(end)); });
}

TableRig::~TableRig() {
  if (server_end_) server_end_->on_data = nullptr;
}

void TableRig::Accept(std::shared_ptr<sim::SimEnd> end) {
  const int id = ++connections_;
  connection_id_ = id;
  server_end_ = end;
  pending_.clear();
  std::weak_ptr<sim::SimEnd> weak = end;
  server->Open(id, "sim", [this, weak](const net::Frame& frame) {
    auto e = weak.lock();
    if (!e || !e->Open() || cut_) return;
    const bool cut_here = cut_after && cut_after(frame);
    e->Send(std::span(frame).first(cut_here ? std::min(cut_keeps, frame.size()) : frame.size()));
    if (cut_here) {
      // The server may be amid a broadcast: the break comes as the loop's next event.
      cut_ = true;
      client.loop.Post([this] {
        BreakLink();
        cut_ = false;
      });
    }
  });
  end->on_data = [this, id](const sim::SimEnd::Bytes& bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    while (pending_.size() >= net::kFrameSize) {
      net::Frame frame;
      std::copy_n(pending_.begin(), net::kFrameSize, frame.begin());
      client_frames.push_back(frame);
      pending_.erase(pending_.begin(), pending_.begin() + net::kFrameSize);
    }
    server->Receive(id, bytes);
  };
  end->on_close = [this, id] { server->Close(id, "closed by the client"); };
}

void TableRig::BreakLink() {
  if (!server_end_ || !server_end_->Open()) return;
  server_end_->on_close = nullptr;
  server_end_->Close();
  server->Close(connection_id_, "the link broke");
}

void TableRig::Start() {
  client.Start(sim::DirectCommandLine());
}

void TableRig::RunFor(platform::TimeMs ms) {
  const platform::TimeMs until = client.Now() + ms;
  while (!client.Ended() && client.Now() < until) {
    client.RunFor(std::min(look_every_ms, until - client.Now()));
    if (!client.Ended()) Look();
  }
}

bool TableRig::RunUntil(const std::function<bool()>& done, platform::TimeMs limit) {
  const platform::TimeMs until = client.Now() + limit;
  while (!done() && !client.Ended() && client.Now() < until) RunFor(look_every_ms);
  return done();
}

bool TableRig::PlayUntilGame(int n, platform::TimeMs limit) {
  return RunUntil([&] { return GamesShown() >= n; }, limit);
}

int TableRig::GamesShown() const {
  const auto* ranking = client.tree.Find("Hero", "Num");
  return ranking != nullptr ? static_cast<int>(ranking->lines.size()) : 0;
}

void TableRig::Look() {
  const lobby_tool::TableView view = ViewOfTree(client.tree);
  for (const auto& lines : view.status_lines) {
    if (!lines.empty() &&
        std::find(status_lines.end() - std::min<std::ptrdiff_t>(4, std::ssize(status_lines)),
                  status_lines.end(), lines.back()) == status_lines.end())
      status_lines.push_back(lines.back());
  }
  const bool turn_offered = view.bet_button_shown;
  if (turn_offered && !turn_seen_) {
    letting_run_out_ = turns_to_let_run_out > 0;
    if (letting_run_out_) {
      --turns_to_let_run_out;
      user_actions.push_back("lets the turn run out");
    }
  }
  turn_seen_ = turn_offered;
  if (turn_offered && letting_run_out_) return;
  if (const auto answer = lobby_tool::AnswerTurn(view)) {
    for (const std::string& command : answer->commands) Click(command);
    user_actions.push_back(answer->description);
    return;
  }
  const int game = GamesShown();
  if (auto_ready && ready_for_game_ != game && !view.players[0].empty()) {
    Click("click AnNiu 2");
    user_actions.push_back(game == 0 ? "click start" : "click continue");
    ready_for_game_ = game;
  }
}

void TableRig::Click(const std::string& command) {
  const headless::ParsedLine parsed = headless::ParseAutomationLine(command);
  if (!parsed.command) return;
  client.Post([this, event = parsed.command->event] { client.tree.Fire(event); });
  client.RunFor(0);
}

}  // namespace tlj::rig
