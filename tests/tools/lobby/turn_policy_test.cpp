// The demo's way of playing the user's turns, and its reading of the client's dump.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/lobby/table_view.h"
#include "tools/lobby/turn_policy.h"

namespace tlj::lobby_tool {
namespace {

// Pictures of the full layout: suit index × 16 + rank 3..15.
constexpr int kSpadeJack = 3 * 16 + 11;
constexpr int kHeartFive = 2 * 16 + 5;
constexpr int kClubAce = 1 * 16 + 14;
constexpr int kDiamondKing = 0 * 16 + 13;
constexpr int kDiamondTwo = 0 * 16 + 15;
constexpr int kSpadeThree = 3 * 16 + 3;

struct TurnCase {
  const char* name;
  std::vector<int> cards;
  const char* min_bet;
  const char* max_bet;
  bool hot_pot_key;
  std::vector<std::string> commands;
  const char* description;
  friend void PrintTo(const TurnCase& c, std::ostream* out) { *out << c.name; }
};

class TurnPolicyTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(TurnPolicyTest, ClicksWhatThePlayerWouldClick) {
  const TurnCase& c = GetParam();
  TableView view;
  view.bet_button_shown = true;
  view.face_up_cards = c.cards;
  view.min_bet = c.min_bet;
  view.max_bet = c.max_bet;
  view.hot_pot_key_enabled = c.hot_pot_key;
  const auto answer = AnswerTurn(view);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->commands, c.commands);
  EXPECT_EQ(answer->description, c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, TurnPolicyTest,
    ::testing::Values(TurnCase{"FiveRanksBetweenBetsTheMinimum",
                               {kSpadeJack, kHeartFive},
                               "20",
                               "400",
                               true,
                               {"click ImgNum 13", "click Operation 1"},
                               "bets the minimum 20 on ♠J ♥5"},
                      TurnCase{"AceIsLowSoAceKingIsWideAndTakesTheHotPot",
                               {kClubAce, kDiamondKing},
                               "20",
                               "400",
                               true,
                               {"click ImgNum 12", "click Operation 1"},
                               "makes a hot-pot buy on ♣A ♦K"},
                      TurnCase{"WideGapWithoutHotPotComposesHalfwayOnTheKeypad",
                               {kClubAce, kDiamondKing},
                               "20",
                               "400",
                               false,
                               {"click ImgNum 2", "click ImgNum 1", "click ImgNum 0",
                                "click Operation 1"},
                               "bets 210 on ♣A ♦K"},
                      TurnCase{"TrailingZerosUseTheDoubleZeroKey",
                               {kClubAce, kDiamondKing},
                               "200",
                               "1000",
                               false,
                               {"click ImgNum 6", "click ImgNum 10", "click Operation 1"},
                               "bets 600 on ♣A ♦K"},
                      TurnCase{"NarrowGapGivesUp",
                               {kDiamondTwo, kHeartFive},
                               "20",
                               "400",
                               true,
                               {"click Operation 2"},
                               "gives up on ♦2 ♥5"},
                      TurnCase{"BoundsThatCannotBeMetGiveUp",
                               {kClubAce, kDiamondKing},
                               "20",
                               "10",
                               true,
                               {"click Operation 2"},
                               "gives up on ♣A ♦K"},
                      TurnCase{"UnreadableBoundsGiveUp",
                               {kSpadeThree, kDiamondKing},
                               "",
                               "400",
                               false,
                               {"click Operation 2"},
                               "gives up on ♠3 ♦K"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TurnPolicyTest, NothingWhileTheTableOffersNoTurn) {
  TableView view;
  view.face_up_cards = {kClubAce, kDiamondKing};
  view.min_bet = "20";
  view.max_bet = "400";
  EXPECT_FALSE(AnswerTurn(view).has_value());
  view.bet_button_shown = true;
  view.face_up_cards = {kClubAce};  // the gate cards are still on their way
  EXPECT_FALSE(AnswerTurn(view).has_value());
}

TEST(CardTextTest, NamesFacesAndNothingElse) {
  EXPECT_EQ(CardText(3 * 16 + 14), "♠A");
  EXPECT_EQ(CardText(15), "♦2");
  EXPECT_EQ(CardText(2 * 16 + 10), "♥10");
  EXPECT_EQ(CardText(16), "?");  // a joker never comes up in play
  EXPECT_EQ(CardText(18), "?");
  EXPECT_EQ(CardText(70), "?");
}

TEST(TableViewGameTest, ReadsTurnCardsSeatsAndScores) {
  const std::string dump = R"({"windows": [
    {"name": "MainForm", "caption": "铜炉局", "minimized": false, "elements": [
      {"name": "Operation", "index": 1, "visible": true, "enabled": true, "caption": "",
       "picture": 590, "lines": []},
      {"name": "ImgNum", "index": 12, "visible": true, "enabled": false, "caption": "",
       "picture": 210, "lines": []},
      {"name": "lblMin", "index": null, "visible": true, "enabled": true, "caption": "20",
       "picture": null, "lines": []},
      {"name": "lblMax", "index": null, "visible": true, "enabled": true, "caption": "400",
       "picture": null, "lines": []},
      {"name": "imgDiPai", "index": 0, "visible": false, "enabled": false, "caption": "",
       "picture": 45, "lines": []},
      {"name": "imgDiPai", "index": 3, "visible": true, "enabled": true, "caption": "",
       "picture": 59, "lines": []},
      {"name": "imgDiPai", "index": 4, "visible": true, "enabled": true, "caption": "",
       "picture": 18, "lines": []},
      {"name": "imgDiPai", "index": 5, "visible": true, "enabled": true, "caption": "",
       "picture": 37, "lines": []},
      {"name": "Nid", "index": 2, "visible": true, "enabled": true, "caption": "[电脑] 李白",
       "picture": null, "lines": []}]},
    {"name": "Score", "visible": true, "minimized": false, "caption": "", "elements": [
      {"name": "ID", "index": 1, "visible": true, "enabled": true, "caption": "李白",
       "picture": null, "lines": []},
      {"name": "State", "index": 5, "visible": true, "enabled": true, "caption": "",
       "picture": null, "lines": ["最终分：114金币"]}]},
    {"name": "Hero", "visible": false, "minimized": false, "caption": "", "elements": [
      {"name": "Num", "index": null, "visible": true, "enabled": true, "caption": "",
       "picture": null, "lines": ["1           "]}]}]})";
  const TableView view = ReadTableView(dump);
  EXPECT_TRUE(view.bet_button_shown);
  EXPECT_FALSE(view.hot_pot_key_enabled);
  EXPECT_EQ(view.min_bet, "20");
  EXPECT_EQ(view.max_bet, "400");
  EXPECT_EQ(view.face_up_cards, (std::vector<int>{59, 37}));  // hidden and face-down left out
  EXPECT_EQ(view.players[2], "[电脑] 李白");
  EXPECT_TRUE(view.score_shown);
  EXPECT_EQ(view.score_names[1], "李白");
  EXPECT_EQ(view.scores[5], (std::vector<std::string>{"最终分：114金币"}));
  EXPECT_EQ(view.game_numbers.size(), 1u);
}

}  // namespace
}  // namespace tlj::lobby_tool
