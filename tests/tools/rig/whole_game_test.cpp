// The client and the reference server play whole games together in virtual time; the user's
// turns are played the way the demo plays them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "core/settings/ini_file.h"
#include "tests/support/tree_walk.h"
#include "tools/rig/table_rig.h"

namespace tlj::rig {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

constexpr std::uint8_t kReady = 1;
constexpr std::uint8_t kLeaveOrReady = net::kTypeEndOfHand;
constexpr int kHandStarted = 1127;

server::GameConfig QuickTable(std::uint32_t seed) {
  server::GameConfig config;
  config.seed = seed;
  config.bot_delay_ms = 500;
  config.bot_think_ms = 300;
  return config;
}

std::vector<net::Frame> OfType(const std::vector<net::Frame>& frames, std::uint8_t type) {
  std::vector<net::Frame> found;
  std::copy_if(frames.begin(), frames.end(), std::back_inserter(found),
               [type](const net::Frame& f) { return f[net::kTypeAt] == type; });
  return found;
}

// The amount of a bet frame: bytes 16..23, big-endian.
long long BetAmount(const net::Frame& f) {
  long long amount = 0;
  for (std::size_t k = 16; k < 24; ++k) amount = amount * 256 + f[k];
  return amount;
}

std::string RecordKey(const TableRig& rig, int game, const std::string& key) {
  settings::classIniFile ini;
  ini.INIFileName = (rig.client.app_dir.path() / "info.xh").string();
  return ini.GetIniKey("juNum:" + std::to_string(game), key);
}

class WholeGameTest : public ::testing::Test {
 protected:
  void Play(server::GameConfig config) {
    rig = std::make_unique<TableRig>(std::move(config));
    rig->Start();
  }
  std::string Transcript() const {
    std::string text = rig->transcript.str() + "status lines:\n";
    for (const auto& line : rig->status_lines) text += "  " + line + "\n";
    text += "user:\n";
    for (const auto& action : rig->user_actions) text += "  " + action + "\n";
    return text;
  }
  bool StatusShowed(const std::string& part) const {
    return std::any_of(
        rig->status_lines.begin(), rig->status_lines.end(),
        [&](const std::string& line) { return line.find(part) != std::string::npos; });
  }

  std::unique_ptr<TableRig> rig;
};

// Every window and element stands where its design and the game put it: nothing made by a
// lookup, no window without a size, nothing shown outside its container.
TEST_F(WholeGameTest, TheTreeHoldsWhatTheDesignsMadeFromStartToTheEndOfAGame) {
  Play(QuickTable(11));
  rig->RunFor(2000);
  EXPECT_THAT(testing::TreeFaults(rig->client.tree), ::testing::IsEmpty()) << "after start-up";
  ASSERT_TRUE(rig->PlayUntilGame(1)) << Transcript();
  EXPECT_THAT(testing::TreeFaults(rig->client.tree), ::testing::IsEmpty()) << "after a game";
}

TEST_F(WholeGameTest, ThreeGamesWithThreeBots) {
  Play(QuickTable(7));
  for (int game = 1; game <= 3; ++game) {
    ASSERT_TRUE(rig->PlayUntilGame(game)) << "game " << game << " did not end\n" << Transcript();
    // After each game: the sheet lists every seat, the ranking has a row per game, and the
    // record file holds the game for the score button.
    EXPECT_EQ(rig->GamesShown(), game);
    for (int pos = 0; pos < 4; ++pos) {
      EXPECT_FALSE(rig->client.tree.El("Score", "ID", pos).caption.empty()) << pos;
      EXPECT_FALSE(RecordKey(*rig, game, "name( " + std::to_string(pos) + " )").empty());
      EXPECT_FALSE(rig->client.tree.El("Score", "State", pos).lines.empty()) << pos;
    }
    EXPECT_EQ(RecordKey(*rig, game, "count( 0 )"),
              std::to_string(rig->client.tree.El("Score", "State", 0).lines.size()));
    EXPECT_EQ(rig->client.SysmsgLines(0), std::vector<std::string>{"请点击【继续】按钮继续游戏！"});
  }
  EXPECT_FALSE(rig->client.Ended());

  // Every frame the client sent was one the server could take: no bet out of bounds, no
  // answer out of turn, no hot-pot flag on the wrong amount.
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
  const auto bets = OfType(rig->client_frames, net::kTypeBet);
  ASSERT_FALSE(bets.empty());
  for (const auto& bet : bets) {
    EXPECT_EQ(bet[net::kSeatAt], model::custom[0].seat);
    EXPECT_GE(BetAmount(bet), 0);
  }
  const auto readies = OfType(rig->client_frames, kLeaveOrReady);
  EXPECT_GE(std::count_if(readies.begin(), readies.end(),
                          [](const net::Frame& f) { return f[net::kStatusAt] == kReady; }),
            3);
  const auto lobby = rig->client.LobbyMessages();
  EXPECT_EQ(std::count(lobby.begin(), lobby.end(), kHandStarted), 12);  // four hands a game

  // The user's coins on the table are the server's.
  const auto view = rig->server->ViewTable(0);
  for (const auto& seat : view.seats) {
    if (seat && seat->account == "abc") {
      EXPECT_EQ(rig->client.El("Cash", 0).caption, std::to_string(seat->coins) + "金币");
    }
  }
}

TEST_F(WholeGameTest, HotPotBuysAndPotRefillsComeUp) {
  Play(QuickTable(11));
  bool hot_pot = false;
  for (int game = 1; game <= 6 && !hot_pot; ++game) {
    ASSERT_TRUE(rig->PlayUntilGame(game)) << Transcript();
    for (const auto& bet : OfType(rig->client_frames, net::kTypeBet)) hot_pot |= bet[32] == 1;
  }
  EXPECT_TRUE(hot_pot) << "the user never made a hot-pot buy\n" << Transcript();
  EXPECT_THAT(Transcript(), HasSubstr("refill"));
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
}

TEST_F(WholeGameTest, TwoTurnsRunOutAndTheTableHides) {
  Play(QuickTable(3));
  rig->turns_to_let_run_out = 2;
  ASSERT_TRUE(rig->PlayUntilGame(1)) << Transcript();
  EXPECT_THAT(rig->user_actions, Contains("lets the turn run out"));
  EXPECT_TRUE(model::g_bAway);
  EXPECT_TRUE(model::g_bHidden);
  EXPECT_TRUE(rig->client.tree.Win("MainForm").minimized);
  // The countdown gave up for the user both times: two give-ups nobody clicked.
  const auto bets = OfType(rig->client_frames, net::kTypeBet);
  EXPECT_GE(std::count_if(bets.begin(), bets.end(),
                          [](const net::Frame& f) { return BetAmount(f) == 0; }),
            2);
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
}

TEST_F(WholeGameTest, ABotLeavesDuringAHandAndTheTablePlaysOn) {
  auto config = QuickTable(5);
  config.bot_leaves = server::BotLeave{2, 2};
  Play(config);
  ASSERT_TRUE(rig->RunUntil([&] { return StatusShowed("退出了游戏"); }, 10 * 60'000))
      << Transcript();
  EXPECT_FALSE(model::g_bTimeLimit);
  ASSERT_TRUE(rig->PlayUntilGame(1)) << Transcript();
  EXPECT_FALSE(rig->client.Ended());
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
}

TEST_F(WholeGameTest, ALinkLostDuringAHandComesBackToTheSameSeat) {
  Play(QuickTable(6));
  ASSERT_TRUE(rig->RunUntil([] { return net::HandInProgress; }, 10 * 60'000)) << Transcript();
  rig->RunFor(3000);
  ASSERT_TRUE(net::HandInProgress);
  rig->BreakLink();
  ASSERT_TRUE(rig->RunUntil([] { return net::Reconnected; }, 2 * 60'000)) << Transcript();
  EXPECT_FALSE(OfType(rig->client_frames, net::kTypeReconnect).empty());
  ASSERT_TRUE(rig->PlayUntilGame(1)) << Transcript();
  EXPECT_FALSE(rig->client.Ended());
  EXPECT_EQ(rig->client.connections, 0);  // the rig, not the harness, took both connections
  EXPECT_EQ(rig->server->PlaceOf(2)->seat, 0);
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
}

TEST_F(WholeGameTest, APoorBotIsRemovedAndReplaced) {
  auto config = QuickTable(9);
  config.bot_coins = {150, 60'000, 60'000};
  Play(config);
  ASSERT_TRUE(rig->RunUntil([&] { return StatusShowed("金币不够，退出游戏！"); }, 10 * 60'000))
      << Transcript();
  EXPECT_FALSE(rig->client.Ended());
  ASSERT_TRUE(rig->PlayUntilGame(1)) << Transcript();
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str();
}

TEST_F(WholeGameTest, AUserWithoutCoinsIsTakenOffTheTable) {
  auto config = QuickTable(4);
  config.coins = 150;
  Play(config);
  ASSERT_TRUE(
      rig->RunUntil([&] { return rig->client.tree.Win("frmOtherExit").visible; }, 10 * 60'000))
      << Transcript();
  EXPECT_EQ(rig->client.tree.El("frmOtherExit", "Label1").caption,
            "您的金币不够，请更换房间或充值后继续游戏！");
  EXPECT_FALSE(rig->client.Ended());
  EXPECT_EQ(model::g_iPlayerCount, 0);
  // The user reads the notice and goes back to the lobby; the server has let the seat go.
  rig->Click("click frmOtherExit.imgOK");
  rig->RunFor(3000);
  EXPECT_FALSE(rig->client.Ended());
  EXPECT_TRUE(rig->client.tree.Win("MainForm").minimized);
  EXPECT_FALSE(rig->client.tree.Win("frmOtherExit").visible);
  EXPECT_EQ(rig->client.lobby.Received(sim::kLobbyTitle).back().wparam, platform::kScRestore);
  EXPECT_FALSE(rig->server->PlaceOf(1).has_value());
}

}  // namespace
}  // namespace tlj::rig
