// The lobby's reading of the client's small windows in a dump, and the transcript's lines on
// what each showed.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tools/lobby/small_windows.h"
#include "tools/lobby/window_lines.h"

namespace tlj::lobby_tool {
namespace {

constexpr const char* kDump = R"({"windows": [
  {"name": "MainForm", "visible": true, "caption": "铜炉局", "minimized": false, "elements": [
    {"name": "Inf", "index": 0, "caption": "not the card's"}]},
  {"name": "Hero", "visible": true, "elements": [
    {"name": "Num", "index": null, "lines": ["1           ", "2           "]},
    {"name": "ID", "index": 0, "caption": "demo"},
    {"name": "ID", "index": 3, "caption": "杜甫"},
    {"name": "ID", "index": 4, "caption": "out of range"},
    {"name": "Grade", "index": 3, "lines": ["100", "-5"]},
    {"name": "sunScore", "index": 3, "caption": "95"}]},
  {"name": "VosSet", "visible": false, "elements": [
    {"name": "Command2", "index": 0, "picture": 174},
    {"name": "Command2", "index": 2, "picture": 175},
    {"name": "Command2", "index": 3, "picture": null},
    {"name": "Command1", "index": 1, "picture": 172}]},
  {"name": "Information", "visible": true, "elements": [
    {"name": "Label1", "caption": "玩家昵称"},
    {"name": "Inf", "index": 0, "caption": "李白"},
    {"name": "Inf", "index": 8, "caption": "18"}]},
  {"name": "frmExit", "visible": true, "elements": [
    {"name": "Label1", "visible": true, "caption": "您真的要退出吗？"},
    {"name": "Label2", "visible": false, "caption": "游戏正在进行，逃跑会扣分！"},
    {"name": "Label3", "visible": true, "caption": "游戏即将进行，可能会扣分！"}]}]})";

TEST(SmallWindowsTest, ReadsEachWindowsPartsAndWhetherItShows) {
  const SmallWindows windows = ReadSmallWindows(kDump);
  EXPECT_TRUE(windows.ranking.shown);
  EXPECT_EQ(windows.ranking.games.size(), 2u);
  EXPECT_EQ(windows.ranking.names, (std::array<std::string, 4>{"demo", "", "", "杜甫"}));
  EXPECT_EQ(windows.ranking.grades[3], (std::vector<std::string>{"100", "-5"}));
  EXPECT_EQ(windows.ranking.totals[3], "95");

  EXPECT_FALSE(windows.settings.shown);
  EXPECT_EQ(windows.settings.switches,
            (std::array<std::optional<int>, 4>{174, std::nullopt, 175, std::nullopt}));

  EXPECT_TRUE(windows.player_card.shown);
  EXPECT_EQ(windows.player_card.values[0], "李白") << "the card's, not the table's";
  EXPECT_EQ(windows.player_card.values[8], "18");

  EXPECT_TRUE(windows.leave_dialog.shown);
  EXPECT_EQ(windows.leave_dialog.lines[0], "您真的要退出吗？");
  EXPECT_EQ(windows.leave_dialog.lines_shown, (std::array<bool, 3>{true, false, true}));
}

TEST(SmallWindowsTest, WindowsMissingFromTheDumpAreHiddenAndEmpty) {
  const SmallWindows windows = ReadSmallWindows(R"({"windows": []})");
  EXPECT_FALSE(windows.ranking.shown);
  EXPECT_FALSE(windows.player_card.shown);
  EXPECT_TRUE(windows.ranking.games.empty());
  EXPECT_THROW(ReadSmallWindows("{"), std::runtime_error);
}

TEST(WindowLinesTest, ScoreSheetNamesTheColumnsAndShowsTheUsersWhole) {
  TableView view;
  view.score_names = {"demo", "李白", "李清照", "杜甫"};
  view.scores[0] = {"", "房间条数：0金币", "", "总分：- 317金币"};
  view.scores[4] = {"最终分：-317金币"};
  view.scores[1] = {"总分：7金币"};
  EXPECT_EQ(ScoreSheetLine(view),
            "score sheet: columns demo, 李白, 李清照, 杜甫; demo's column: 房间条数：0金币 / "
            "总分：- 317金币 / 最终分：-317金币");
}

TEST(WindowLinesTest, RankingCountsGamesAndGivesTotalsAndTheLastGameByName) {
  Ranking ranking;
  ranking.games = {"1", "2"};
  ranking.names = {"demo", "李白", "李清照", "杜甫"};
  ranking.totals = {"-317", "7", "200", "95"};
  ranking.grades = {{{"-300", "-17"}, {"7", "0"}, {"210", "-10"}, {}}};
  EXPECT_EQ(RankingLine(ranking),
            "ranking: 2 games; totals demo -317, 李白 7, 李清照 200, 杜甫 95; last game demo -17, "
            "李白 0, 李清照 -10, 杜甫 -");
  ranking.games.pop_back();
  EXPECT_TRUE(RankingLine(ranking).starts_with("ranking: 1 game;"));
}

SoundSettings Switches(std::optional<int> sound) {
  return {true, {174, 174, sound, 176}};
}

struct SettingsCase {
  const char* name;
  std::optional<int> opened, switched, cancelled;
  const char* ending;  // of the line, after the four switches as opened
  friend void PrintTo(const SettingsCase& c, std::ostream* out) { *out << c.name; }
};

class SettingsLineTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsLineTest, SaysWhatTheSwitchShowedAfterTheClickAndAfterCancel) {
  const SettingsCase& c = GetParam();
  const std::string line =
      SettingsLine(Switches(c.opened), Switches(c.switched), Switches(c.cancelled), kSoundRow);
  const std::string opened = "settings: music on, end-of-game mute on, sound ";
  EXPECT_EQ(line.substr(0, opened.size()), opened) << line;
  EXPECT_TRUE(line.ends_with(std::string(", table ground 1; ") + c.ending)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsLineTest,
    ::testing::Values(
        SettingsCase{"SwitchedOffAndBack", 174, 175, 174, "sound off then cancel: sound on again"},
        SettingsCase{"OffThoughShownOn", 174, 174, 175,
                     "sound on then cancel: sound off, as it was (the window opened showing "
                     "sound on)"},
        SettingsCase{"NotSwitchedBack", 174, 175, 175,
                     "sound off then cancel: sound off (not switched back)"},
        SettingsCase{"OtherPictures", std::nullopt, 300, std::nullopt,
                     "sound showing picture 300 then cancel: sound blank again"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(WindowLinesTest, ThePlayerCardGivesEachValueItsName) {
  PlayerCard card{true, {"李白", "男", "长安", "1060", "86", "260", "7", "271", "250"}};
  EXPECT_EQ(PlayerLine(card),
            "player 李白: 男, 长安, points 1060, credit 86, logins 260, drops 7, wins 271, "
            "losses 250");
}

TEST(WindowLinesTest, TheLeaveDialogShowsItsQuestionAndAWarningIfAny) {
  LeaveDialog dialog{
      true,
      {"您真的要退出吗？", "游戏正在进行，逃跑会扣分！", "游戏即将进行，可能会扣分！"},
      {true, false, false}};
  EXPECT_EQ(LeaveDialogLine(dialog), "leave dialog: 您真的要退出吗？ (no warning)");
  dialog.lines_shown[1] = true;
  EXPECT_EQ(LeaveDialogLine(dialog), "leave dialog: 您真的要退出吗？ 游戏正在进行，逃跑会扣分！");
}

}  // namespace
}  // namespace tlj::lobby_tool
