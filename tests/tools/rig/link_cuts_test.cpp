// The link cut at every frame boundary of a game, with the reference server as the peer, in
// virtual time. Cut inside a hand (dealt, not yet settled), the client comes back to its seat,
// the game ends and the record file keeps the games before it; cut outside a hand, the client
// leaves the table for the lobby and stays away. No cut ends the client or makes it send a frame
// the server cannot read.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/game/record_file.h"
#include "core/net/frame.h"
#include "core/net/link_state.h"
#include "core/platform/lobby_link.h"
#include "core/table/reconnection.h"
#include "tools/rig/table_rig.h"

namespace tlj::rig {
namespace {

// Frames the server sends the user from the second game's first deal up to the game after it,
// give or take the bots' play: the cuts cover them all and a few past the game's end.
constexpr int kFramesCovered = 40;
constexpr int kHandsPerGame = 2;

struct Cut {
  int frame;          // counted from the second game's first deal
  std::size_t keeps;  // bytes of that frame that arrive
};

void PrintTo(const Cut& cut, std::ostream* out) {
  *out << "frame " << cut.frame << ", " << cut.keeps << " bytes of it";
}

class LinkCutTest : public ::testing::TestWithParam<Cut> {
 protected:
  void SetUp() override {
    server::GameConfig config;
    config.seed = 6;
    config.hands = kHandsPerGame;
    config.bot_delay_ms = 500;
    config.bot_think_ms = 2000;
    rig = std::make_unique<TableRig>(config);
    rig->cut_keeps = GetParam().keeps;
    rig->cut_after = [this](const net::Frame& frame) {
      const std::uint8_t type = frame[net::kTypeAt];
      // Game 1 is played whole, so that its record is there when the link goes.
      if (type == net::kTypeNewHand && ++deals == kHandsPerGame + 1) counting = true;
      const bool cut_here = counting && !cut && ++frames_seen == GetParam().frame;
      if (!cut_here || GetParam().keeps == net::kFrameSize) {  // the frame arrives whole
        if (type == net::kTypeGameOver) ++games_over;
        if (counting && type == net::kTypeNewHand) game_on = true;
        if (type == net::kTypeGameOver) game_on = false;
      }
      if (!cut_here) return false;
      cut = true;
      frames_before_cut = rig->client_frames.size();
      return true;
    };
    rig->Start();
  }

  bool ReconnectRequested() const {
    return std::any_of(rig->client_frames.begin() + frames_before_cut, rig->client_frames.end(),
                       [](const net::Frame& f) { return f[net::kTypeAt] == net::kTypeReconnect; });
  }

  // What the user saw, for a failure's message.
  std::string Said() const {
    std::string said = "the client's status lines:";
    for (const std::string& line : rig->status_lines) said += "\n  " + line;
    for (const auto& box : rig->client.boxes.shown) said += "\nmessage box: " + box.text;
    said += "\nwhat the user did:";
    for (const std::string& action : rig->user_actions) said += "\n  " + action;
    return said;
  }

  long LastToLobby() const {
    const auto& to_lobby = rig->client.lobby.Received(sim::kLobbyTitle);
    return to_lobby.empty() ? -1 : to_lobby.back().wparam;
  }

  static int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }

  std::unique_ptr<TableRig> rig;
  int deals = 0;
  bool counting = false;  // the second game was dealt
  int frames_seen = 0;
  int games_over = 0;    // game-over frames sent up to the cut
  bool game_on = false;  // the game was dealt and not yet over when the link went
  bool cut = false;
  std::size_t frames_before_cut = 0;
};

TEST_P(LinkCutTest, TheClientComesBackInItsGameOrLeavesTheTable) {
  ASSERT_TRUE(rig->RunUntil([&] { return cut; }, 20 * 60'000)) << "the cut never came";
  if (game_on) {
    const int game = games_over + 1;
    const bool over = rig->PlayUntilGame(game);
    EXPECT_TRUE(ReconnectRequested());
    for (int before = 1; before < game; ++before)
      EXPECT_FALSE(game::ReadGameRecord(before).names[0].empty()) << "game " << before;
    if (rig->client.Ended()) {
      // The bots finished the game before the client was back: the server refuses it.
      EXPECT_EQ(Count(rig->transcript.str(), "game over"), game) << rig->transcript.str();
      EXPECT_EQ(Count(rig->transcript.str(), "is back"), 0);
      ASSERT_EQ(rig->client.boxes.shown.size(), 1u) << Said();
      EXPECT_EQ(rig->client.boxes.shown[0].text, "重连服务器失败，退出后请重新入座！");
      EXPECT_EQ(LastToLobby(), platform::kScRestore) << "the lobby shows again";
    } else {
      ASSERT_TRUE(over) << rig->transcript.str() << Said();
      EXPECT_TRUE(net::Reconnected);
      EXPECT_FALSE(game::ReadGameRecord(game).names[0].empty()) << "the record of this game";
    }
  } else {
    rig->RunFor(60'000);
    EXPECT_FALSE(ReconnectRequested());
    EXPECT_FALSE(table::ReconnectWindowLoaded());
    EXPECT_FALSE(net::HandInProgress);
    EXPECT_TRUE(rig->client.tree.Win("MainForm").minimized);
    EXPECT_EQ(LastToLobby(), platform::kScRestore) << "the lobby shows again";
    EXPECT_FALSE(rig->client.Ended());
  }
  EXPECT_EQ(rig->server->Stats().invalid, 0) << rig->server_log.str() << Said();
}

std::string CutName(const ::testing::TestParamInfo<Cut>& test) {
  const Cut& cut = test.param;
  return "AfterFrame" + std::to_string(cut.frame) +
         (cut.keeps == net::kFrameSize ? "" : "Byte" + std::to_string(cut.keeps));
}

std::vector<Cut> FrameBoundaries() {
  std::vector<Cut> cuts;
  for (int frame = 1; frame <= kFramesCovered; ++frame) cuts.push_back({frame, net::kFrameSize});
  return cuts;
}

INSTANTIATE_TEST_SUITE_P(FrameBoundaries, LinkCutTest, ::testing::ValuesIn(FrameBoundaries()),
                         CutName);
// Inside the deal, a turn, a bet, a pot, a result, the end of a hand, the game over and an arrival.
INSTANTIATE_TEST_SUITE_P(InsideFrames, LinkCutTest,
                         ::testing::Values(Cut{1, 1}, Cut{1, 136}, Cut{2, 271}, Cut{9, 4},
                                           Cut{10, 200}, Cut{14, 136}, Cut{27, 136}, Cut{30, 1},
                                           Cut{31, 100}),
                         CutName);

}  // namespace
}  // namespace tlj::rig
