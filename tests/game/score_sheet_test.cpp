#include "core/game/score_sheet.h"
#include "core/game/end_commands.h"
#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/net/channels.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/platform/lobby_link.h"
#include "core/settings/ini_file.h"
#include "core/text/ansi.h"
#include "tests/support/table_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

using net::game_over::kLost;
using net::game_over::kWon;

class ScoreSheetTest : public LoggedInFixture {
 protected:
  void SetUp() override {
    LoggedInFixture::SetUp();
    SeatEveryone();
  }
  void GameOver(const GameResult& g) { Send(GameOverFrame(g)); }
  const Lines& List(const char* window, const char* name, int index) {
    return h.tree.El(window, name, index).lines;
  }
  const Lines& State(int j) { return List("Score", "State", j); }
  std::filesystem::path RecordPath() const { return h.app_dir.path() / "info.xh"; }
};

// Results.

struct ResultCase {
  const char* name;
  std::uint8_t result;
  std::uint64_t total;
  std::uint64_t final;
  Lines last_lines;  // the result's lines after the five room lines
  Lines final_line;
  Lines grade;
  const char* running_total;  // Hero.sunScore; "" when untouched
  const char* cash;
  std::int32_t wins;
  std::int32_t losses;
};

class ResultTest : public ScoreSheetTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultTest, ListsGradeTotalAndCoins) {
  const ResultCase& c = GetParam();
  GameResult g;
  g.blocks[1] = {.seat = 2, .returned = 30, .total = c.total, .final = c.final, .result = c.result};
  g.result_bytes = text::Utf8ToAnsi("恭喜发财").value();
  GameOver(g);
  ASSERT_FALSE(h.Ended());
  Lines expected{"", "房间条数：7金币", "", "返还彩池数: 30金币", ""};
  expected.insert(expected.end(), c.last_lines.begin(), c.last_lines.end());
  EXPECT_THAT(State(1), ElementsAreArray(expected));
  EXPECT_THAT(State(5), ElementsAreArray(c.final_line));
  EXPECT_THAT(List("Hero", "Grade", 1), ElementsAreArray(c.grade));
  EXPECT_EQ(h.tree.El("Hero", "sunScore", 1).caption, c.running_total);
  EXPECT_EQ(h.El("Cash", 1).caption, c.cash);
  EXPECT_EQ(model::profile[1].wins, c.wins);
  EXPECT_EQ(model::profile[1].losses, c.losses);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ResultTest,
    ::testing::Values(ResultCase{"Won",
                                 kWon,
                                 120,
                                 114,
                                 {"总分：120金币", "", "恭喜发财", "", "总分：114金币"},
                                 {"最终分：114金币"},
                                 {"120"},
                                 "114",
                                 "1114金币",
                                 1,
                                 0},
                      ResultCase{"Lost",
                                 kLost,
                                 50,
                                 50,
                                 {"总分：- 50金币", "", "", "", "总分：-50金币"},
                                 {"最终分：-50金币"},
                                 {"-50"},
                                 "-50",
                                 "950金币",
                                 0,
                                 1},
                      ResultCase{"LostWithFinalZero",
                                 kLost,
                                 50,
                                 0,
                                 {"总分：50金币", "", "", "", "总分：0金币"},
                                 {"最终分：0金币"},
                                 {"50"},
                                 "0",
                                 "950金币",
                                 0,
                                 1},
                      ResultCase{"LostMoreThanHeld",
                                 kLost,
                                 5000,
                                 5000,
                                 {"总分：- 5000金币", "", "", "", "总分：-5000金币"},
                                 {"最终分：-5000金币"},
                                 {"-5000"},
                                 "-5000",
                                 "0金币",
                                 0,
                                 1},
                      ResultCase{"Neither", 3, 50, 50, {}, {}, {}, "", "1000金币", 0, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ScoreSheetTest, ResultTextZerosAreBlanksAndTrimmed) {
  GameResult g;
  g.blocks[0].result = kWon;
  g.result_bytes = std::string("\0\0ab\0cd\0", 8);
  GameOver(g);
  ASSERT_GE(State(0).size(), 8u);
  EXPECT_EQ(State(0)[7], "ab cd");
}

TEST_F(ScoreSheetTest, RoomBarsAreBigEndian) {
  GameResult g;
  g.room_bars = 0x00010002;
  GameOver(g);
  EXPECT_EQ(State(3)[1], "房间条数：65538金币");
}

TEST_F(ScoreSheetTest, FinalIsReadWithoutTheLevelMarker) {
  GameResult g;
  g.blocks[2] = {.seat = 4, .total = 120, .final = 114, .marker = 3, .level = 12, .result = kWon};
  GameOver(g);
  EXPECT_EQ(State(2).back(), "总分：114金币");
  EXPECT_THAT(State(6), ElementsAre("最终分：114金币"));
  EXPECT_EQ(h.El("Cash", 2).caption, "1114金币");
  EXPECT_EQ(h.tree.El("Hero", "sunScore", 2).caption, "114");
  EXPECT_EQ(h.El("Level", 2).caption, "第十二级");
}

TEST_F(ScoreSheetTest, MarkerZeroKeepsTheTitle) {
  GameResult g;
  g.blocks[3] = {.seat = 8, .marker = 0, .level = 12, .result = kWon};
  GameOver(g);
  EXPECT_EQ(h.El("Level", 3).caption, "第一级");
}

TEST_F(ScoreSheetTest, GoldBarTableShowsBars) {
  GameResult g;
  g.coin_table = 0;
  g.blocks[1] = {.seat = 2, .total = 120, .final = 114, .result = kWon};
  GameOver(g);
  EXPECT_EQ(h.El("Cash", 1).caption, "1114金条");
  EXPECT_EQ(h.El("Cash", 2).caption, "1000金条");
}

TEST_F(ScoreSheetTest, RankingRowsOverTwoGames) {
  GameResult first;
  first.blocks[1] = {.seat = 2, .total = 120, .final = 114, .result = kWon};
  GameOver(first);
  GameResult second;
  second.blocks[1] = {.seat = 2, .total = 50, .final = 50, .result = kLost};
  GameOver(second);
  EXPECT_THAT(h.tree.El("Hero", "Num").lines, ElementsAre("1           ", "2           "));
  EXPECT_THAT(List("Hero", "Grade", 1), ElementsAre("120", "-50"));
  EXPECT_EQ(h.tree.El("Hero", "sunScore", 1).caption, "64");
  EXPECT_EQ(model::juNum, 2);
}

TEST_F(ScoreSheetTest, ClearsThePotPanelAndTheDetails) {
  h.El("lblCaiChi").caption = "500";
  model::g_dNetWin[2] = 40;
  h.tree.El("frmMingXi", "labCoin", 2).caption = "40";
  GameOver({});
  EXPECT_EQ(h.El("lblCaiChi").caption, "0");
  EXPECT_EQ(h.El("lblYuLiuGuoDi").caption, "0");
  EXPECT_EQ(model::g_dNetWin[2], 0);
  EXPECT_TRUE(h.tree.El("frmMingXi", "labCoin", 2).caption.empty());
}

TEST(LevelTitleTest, ChineseNumerals) {
  const std::pair<int, const char*> cases[] = {
      {1, "第一级"},    {9, "第九级"},      {10, "第十级"},   {11, "第十一级"},   {19, "第十九级"},
      {20, "第二十级"}, {21, "第二十一级"}, {30, "第三十级"}, {39, "第三十九级"}, {40, "第四十级"}};
  for (const auto& [level, title] : cases) EXPECT_EQ(game::LevelTitle(level), title) << level;
}

// Waiting for the next game.

TEST_F(ScoreSheetTest, StartsTheCountdownToTheNextGame) {
  net::HandInProgress = true;
  model::g_bGameStarted = true;
  model::g_bBtnLocked[model::kReadyButton] = true;
  // Straight from the handler: the pump's next step would already count the first second.
  game::HandleGameOver(GameOverFrame({}));
  EXPECT_THAT(h.SysmsgLines(0), ElementsAre("请点击【继续】按钮继续游戏！"));
  EXPECT_THAT(h.SysmsgLines(1), ElementsAre("游戏将在15秒内开始"));
  EXPECT_FALSE(model::g_bBtnLocked[model::kReadyButton]);
  EXPECT_FALSE(net::HandInProgress);
  EXPECT_FALSE(model::g_bGameStarted);
  EXPECT_TRUE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_EQ(model::g_iCountdown, 15);
  EXPECT_EQ(h.El("Number").caption, "15");
  EXPECT_EQ(h.El("Number").color, 0x00FF00);
  EXPECT_TRUE(h.El("Number").visible);
  EXPECT_TRUE(h.tree.Win("Score").visible);
  // When the countdown has run out the client reports ready.
  h.RunFor(17000);
  EXPECT_EQ(Sent(net::kTypeEndOfHand, net::ready_or_leave::kReady).size(), 1u);
}

TEST_F(ScoreSheetTest, HiddenSpectatorGetsNoWindowAndNoCountdown) {
  model::g_bHidden = true;
  model::g_bSpectator = true;
  GameOver({});
  EXPECT_FALSE(h.tree.Win("Score").visible);
  EXPECT_FALSE(net::PumpArmed[net::kReadyCountdownChannel]);
  EXPECT_THAT(h.SysmsgLines(1), ElementsAre("游戏将在15秒内开始"));
}

TEST_F(ScoreSheetTest, ScoreWindowShowsThePlayersKept) {
  h.tree.El("Score", "ID", 3).caption = "someone else";
  GameOver({});
  EXPECT_EQ(h.tree.El("Score", "ID", 3).caption, "nick3");
  EXPECT_EQ(h.tree.El("Score", "Tou", 3).picture, 252);
}

// The scoring-error path.

struct ErrorCase {
  const char* name;
  GameResult game;
  std::int16_t games = 0;
  const char* text;
};

class ScoringErrorTest : public ScoreSheetTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ScoringErrorTest, ShowsTheTextRestoresTheLobbyAndEnds) {
  const ErrorCase& c = GetParam();
  model::juNum = c.games;
  h.lobby.ClearReceived(sim::kLobbyTitle);
  GameOver(c.game);
  ASSERT_TRUE(h.Ended());
  EXPECT_NE(h.exit_code, 0);
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].text, c.text);
  const auto& lobby = h.lobby.Received(sim::kLobbyTitle);
  ASSERT_EQ(lobby.size(), 1u);
  EXPECT_EQ(lobby[0].wparam, platform::kScRestore);
}

GameResult WithBlock(std::size_t i, Block b, Block first = {.seat = 1}) {
  GameResult g;
  g.blocks[0] = first;
  g.blocks[i] = b;
  return g;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ScoringErrorTest,
    ::testing::Values(
        ErrorCase{"LevelZeroWithMarker",
                  WithBlock(1, {.seat = 2, .marker = 5, .level = 0}, {.seat = 1, .level = 7}), 0,
                  "算分错误显示级别7"},
        ErrorCase{"LevelAboveForty", WithBlock(1, {.seat = 2, .marker = 40, .level = 41}), 0,
                  "算分错误显示级别0"},
        ErrorCase{"GamesPastLimit", GameResult{}, 32767,
                  "算分错误显示级别0显示级别0显示级别0显示级别0"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ScoreSheetTest, GameNumberUpToItsLimitIsFine) {
  model::juNum = 32766;
  GameOver({});
  EXPECT_FALSE(h.Ended());
  EXPECT_EQ(model::juNum, 32767);
}

// Wins and losses are 32-bit counts: a veteran's game ends like anyone's, and a count at the
// largest the wire can carry stays there.

constexpr std::uint32_t kMostCount = 0x7FFF'FFFF;

struct VeteranCase {
  const char* name;
  std::uint32_t wins;
  std::uint32_t losses;
  std::uint8_t result;
  std::int32_t wins_after;
  std::int32_t losses_after;
};

class VeteranTest : public LoggedInFixture, public ::testing::WithParamInterface<VeteranCase> {};

TEST_P(VeteranTest, CountsOnAndTheTablePlaysOn) {
  const VeteranCase& c = GetParam();
  Arrive(User());
  Player veteran = Other(1);
  veteran.wins = c.wins;
  veteran.losses = c.losses;
  Arrive(veteran);
  Arrive(Other(2));
  Arrive(Other(3));
  ASSERT_EQ(model::profile[1].wins, static_cast<std::int32_t>(c.wins));
  GameResult g;
  g.blocks[1] = {.seat = 2, .total = 50, .final = 50, .result = c.result};
  Send(GameOverFrame(g));
  ASSERT_FALSE(h.Ended());
  EXPECT_TRUE(h.boxes.shown.empty());
  EXPECT_EQ(model::profile[1].wins, c.wins_after);
  EXPECT_EQ(model::profile[1].losses, c.losses_after);
  EXPECT_EQ(model::juNum, 1);
  EXPECT_TRUE(h.tree.Win("Score").visible);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, VeteranTest,
    ::testing::Values(VeteranCase{"FortyThousandWinsWins", 40000, 7, kWon, 40001, 7},
                      VeteranCase{"FortyThousandWinsLoses", 40000, 7, kLost, 40000, 8},
                      VeteranCase{"FortyThousandLossesLoses", 3, 40000, kLost, 3, 40001},
                      VeteranCase{"WinsReachTheLargest", kMostCount - 1, 0, kWon, kMostCount, 0},
                      VeteranCase{"WinsAtTheLargestStay", kMostCount, 0, kWon, kMostCount, 0},
                      VeteranCase{"LossesAtTheLargestStay", 0, kMostCount, kLost, 0, kMostCount}),
    [](const auto& test) { return std::string(test.param.name); });

// The record file.

TEST_F(ScoreSheetTest, RecordFileHoldsTheSheet) {
  GameResult g;
  g.blocks[1] = {.seat = 2, .total = 120, .final = 114, .result = kWon};
  GameOver(g);
  GameOver({});
  settings::classIniFile ini;
  ini.INIFileName = RecordPath().string();
  EXPECT_EQ(ini.GetIniKey("juNum:1", "name( 1 )"), "nick1");
  EXPECT_EQ(ini.GetIniKey("juNum:1", "PicIndex( 1 )"), "10");
  EXPECT_EQ(ini.GetIniKey("juNum:1", "count( 1 )"), "10");
  EXPECT_EQ(ini.GetIniKey("juNum:1", "count( 1 )( 9 )"), "总分：114金币");
  EXPECT_EQ(ini.GetIniKey("juNum:1", "count( 5 )( 0 )"), "最终分：114金币");
  EXPECT_EQ(ini.GetIniKey("juNum:2", "count( 1 )"), "5");

  const Lines game_one = [&] {
    Lines lines;
    for (std::string line : {"", "房间条数：7金币", "", "返还彩池数: 0金币", "", "总分：120金币",
                             "", "", "", "总分：114金币"})
      lines.push_back(line.empty() ? " " : line);
    return lines;
  }();
  h.tree.El("Score", "ID", 1).caption.clear();
  h.tree.El("Score", "Tou", 1).picture.reset();
  game::ShowStoredSheet(1);
  EXPECT_THAT(State(1), ElementsAreArray(game_one));
  EXPECT_THAT(State(5), ElementsAre("最终分：114金币"));
  EXPECT_EQ(h.tree.El("Score", "ID", 1).caption, "nick1");
  EXPECT_EQ(h.tree.El("Score", "Tou", 1).picture, 250);
}

TEST_F(ScoreSheetTest, DoubleClickOnARankingRowShowsThatGame) {
  GameResult g;
  g.blocks[1] = {.seat = 2, .total = 120, .final = 114, .result = kWon};
  GameOver(g);
  GameOver({});
  ASSERT_EQ(State(1).size(), 5u);
  platform::ElementEvent click;
  click.window = "Hero";
  click.name = "Grade";
  click.index = 1;
  click.kind = platform::EventKind::DblClick;
  click.line = 0;
  EXPECT_TRUE(h.tree.Fire(click));
  EXPECT_EQ(State(1).size(), 10u);
  EXPECT_TRUE(h.tree.Win("Score").visible);
  click.name = "Num";
  click.index.reset();
  click.line = 1;
  EXPECT_TRUE(h.tree.Fire(click));
  EXPECT_EQ(State(1).size(), 5u);
}

TEST_F(ScoreSheetTest, DoubleClickWithNoLineSelectedShowsTheSheetAsItIs) {
  GameOver({});
  h.tree.Win("Score").visible = false;
  const auto before = State(1);
  platform::ElementEvent click;
  click.window = "Hero";
  click.name = "Grade";
  click.index = 2;  // an empty list: no line to select
  click.kind = platform::EventKind::DblClick;
  click.line = 0;
  EXPECT_TRUE(h.tree.Fire(click));
  EXPECT_EQ(State(1), before);
  EXPECT_TRUE(h.tree.Win("Score").visible);
}

TEST_F(ScoreSheetTest, IdleResetForgetsTheGames) {
  GameResult g;
  g.blocks[1] = {.seat = 2, .total = 120, .final = 114, .result = kWon};
  GameOver(g);
  ASSERT_TRUE(std::filesystem::exists(RecordPath()));
  h.lobby.PostToClient(platform::kLeaveNow);
  h.RunFor(1000);
  EXPECT_EQ(model::g_dTotalScore, (std::array<double, 4>{}));
  EXPECT_FALSE(std::filesystem::exists(RecordPath()));
  EXPECT_THAT(h.tree.El("Hero", "Num").lines, IsEmpty());
  EXPECT_THAT(List("Hero", "Grade", 1), IsEmpty());
  EXPECT_TRUE(h.tree.El("Hero", "sunScore", 1).caption.empty());
  EXPECT_THAT(State(1), IsEmpty());
  EXPECT_EQ(model::juNum, 0);
}

// A record file edited by hand.

class StoredSheetTest : public LoggedInFixture {
 protected:
  void WriteRecord(const std::string& text) {
    std::ofstream(h.app_dir.path() / "info.xh", std::ios::binary) << text;
  }
  void FillLists() {
    for (int j = 0; j < 8; ++j) h.tree.El("Score", "State", j).lines = {"keep"};
    h.tree.El("Score", "ID", 0).caption = "keep";
    h.tree.El("Score", "Tou", 0).picture = 7;
  }
  const Lines& State(int j) { return h.tree.El("Score", "State", j).lines; }
};

TEST_F(StoredSheetTest, GameZeroDoesNothing) {
  WriteRecord("[juNum:0]\nname( 0 )=x\ncount( 0 )=1\ncount( 0 )( 0 )=y\n");
  FillLists();
  game::ShowStoredSheet(0);
  EXPECT_EQ(h.tree.El("Score", "ID", 0).caption, "keep");
  EXPECT_THAT(State(0), ElementsAre("keep"));
}

TEST_F(StoredSheetTest, ThreeListsLeaveTheOthers) {
  WriteRecord(
      "[juNum:4]\nname( 0 )=a\nPicIndex( 0 )=12\ncount( 0 )=2\ncount( 0 )( 0 )=x\n"
      "count( 0 )( 1 )=\ncount( 1 )=0\ncount( 2 )=1\ncount( 2 )( 0 )=z\n");
  FillLists();
  game::ShowStoredSheet(4);
  EXPECT_EQ(h.tree.El("Score", "ID", 0).caption, "a");
  EXPECT_EQ(h.tree.El("Score", "Tou", 0).picture, 252);
  EXPECT_THAT(State(0), ElementsAre("x", " "));
  EXPECT_THAT(State(1), IsEmpty());
  EXPECT_THAT(State(2), ElementsAre("z"));
  for (int j = 3; j < 8; ++j) EXPECT_THAT(State(j), ElementsAre("keep")) << j;
}

TEST_F(StoredSheetTest, MissingLineKeysBecomeBlanks) {
  WriteRecord("[juNum:1]\ncount( 0 )=3\ncount( 0 )( 1 )=mid\n");
  FillLists();
  game::ShowStoredSheet(1);
  EXPECT_THAT(State(0), ElementsAre(" ", "mid", " "));
  // No name key: the caption is emptied; no picture key: the picture stays.
  EXPECT_TRUE(h.tree.El("Score", "ID", 0).caption.empty());
  EXPECT_EQ(h.tree.El("Score", "Tou", 0).picture, 7);
}

struct DamagedCase {
  const char* name;
  const char* count;
  const char* pic_index;
  std::size_t lines;  // of State(0); 1 is the untouched "keep"
};

class DamagedRecordTest : public StoredSheetTest,
                          public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRecordTest, NeverBreaks) {
  WriteRecord(std::string("[juNum:2]\ncount( 0 )=") + GetParam().count +
              "\ncount( 0 )( 0 )=first\nPicIndex( 0 )=" + GetParam().pic_index + "\n");
  FillLists();
  game::ShowStoredSheet(2);
  EXPECT_EQ(State(0).size(), GetParam().lines);
  EXPECT_EQ(h.tree.El("Score", "Tou", 0).picture, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedRecordTest,
    ::testing::Values(DamagedCase{"NonNumeric", "abc", "x", 1},
                      DamagedCase{"Negative", "-3", "-1", 1}, DamagedCase{"Empty", "", "", 1},
                      DamagedCase{"Huge", "99999999999999999999999", "99999999999999999999", 1000},
                      DamagedCase{"AvatarPastTheTable", "1", "20", 1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(StoredSheetTest, MissingSectionOrFile) {
  FillLists();
  game::ShowStoredSheet(9);
  EXPECT_THAT(State(0), ElementsAre("keep"));
  WriteRecord("[juNum:1]\ncount( 0 )=1\n");
  game::ShowStoredSheet(9);
  EXPECT_THAT(State(0), ElementsAre("keep"));
  WriteRecord("[juNum:9]\ncount( 0 )=1\ncount( 0 )(");  // cut off in the middle of a key
  game::ShowStoredSheet(9);
  EXPECT_THAT(State(0), ElementsAre(" "));
}

}  // namespace
}  // namespace tlj::testing
