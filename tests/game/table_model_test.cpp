#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"
#include "core/platform/element_tree.h"
#include "core/platform/services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tlj::game {
namespace {

void Put(net::Frame& frame, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) frame[at++] = b;
}

void PutText(net::Frame& frame, std::size_t at, std::string_view bytes) {
  for (const char c : bytes) frame[at++] = static_cast<std::uint8_t>(c);
}

// Seats.

struct SeatCase {
  std::uint8_t bits;
  int pos;
};

class ScreenPosTest : public ::testing::TestWithParam<SeatCase> {
 protected:
  void SetUp() override { model::custom[0].seat = 4; }
  void TearDown() override { model::custom[0].seat = 0; }
};

TEST_P(ScreenPosTest, CountsSeatsOnFromTheUser) {
  EXPECT_EQ(ScreenPos(GetParam().bits), GetParam().pos) << int{GetParam().bits};
}

INSTANTIATE_TEST_SUITE_P(OwnSeatFour, ScreenPosTest,
                         ::testing::Values(SeatCase{4, 0}, SeatCase{8, 1}, SeatCase{1, 2},
                                           SeatCase{2, 3}, SeatCase{0x14, 0}, SeatCase{0xF8, 1},
                                           SeatCase{0, 2}));

TEST(SeatIndexTest, TakesHighestOfLowFourBits) {
  const SeatCase cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 2}, {8, 3}, {0x0C, 3}, {0xF0, 0}};
  for (const SeatCase& c : cases) EXPECT_EQ(SeatIndex(c.bits), c.pos) << int{c.bits};
}

// Avatars and amounts.

struct AvatarCase {
  const char* face;
  int index;
};

TEST(AvatarIndexTest, PicksFromFaceCode) {
  const AvatarCase cases[] = {
      {"w10", 19}, {"m10", 9}, {"m11", 0}, {"x3", 2},   {"", 0},   {"m1", 0},   {"w1", 10},
      {"m0", 0},   {"w0", 10}, {"mx", 0},  {"w1x", 10}, {"w", 10}, {"m123", 0}, {"w999", 10},
  };
  for (const AvatarCase& c : cases) EXPECT_EQ(AvatarIndex(c.face), c.index) << c.face;
}

struct AmountCase {
  double value;
  const char* text;
};

TEST(AmountTextTest, PlainDecimalUpToExactLimit) {
  const AmountCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1234567, "1234567"},
      {-100, "-100"},
      {9007199254740992.0, "9007199254740992"},
      {std::ldexp(1.0, 56), "7.20575940379279E+16"},
      {2.5, "2.5"},
  };
  for (const AmountCase& c : cases) EXPECT_EQ(model::AmountText(c.value), c.text) << c.text;
}

class ShowCoinsTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::Sys().ui = &tree; }
  void TearDown() override { platform::Sys().ui = nullptr; }
  platform::ElementTree tree;
};

TEST_F(ShowCoinsTest, CaptionsCashOfThatPosition) {
  ShowCoins(2, 1500);
  ShowCoins(3, std::ldexp(1.0, 56));
  EXPECT_EQ(tree.El("MainForm", "Cash", 2).caption, "1500金币");
  EXPECT_EQ(tree.El("MainForm", "Cash", 3).caption, "7.20575940379279E+16金币");
  EXPECT_EQ(tree.Find("MainForm", "Cash", 0), nullptr);
}

// The player record.

// A type-20 frame with every field of the record set to a value of its own.
net::Frame FullProfileFrame() {
  net::Frame f{};
  f[3] = 20;
  PutText(f, 16, "Ab\xD6\xD0");  // "Ab中"
  PutText(f, 48, "w7");
  f[64] = 1;
  PutText(f, 72, "\xB1\xB1\xBE\xA9");  // "北京"
  Put(f, 80, {1});
  Put(f, 88, {2});
  Put(f, 96, {0x10, 0x27});  // 10000
  Put(f, 104, {3});
  PutText(f, 112, "\xB8\xDF\xCA\xD6");  // "高手"
  Put(f, 128, {4});
  Put(f, 136, {5});
  Put(f, 144, {0, 0, 0, 0, 0, 0, 0, 1});
  Put(f, 152, {7, 1});  // 263
  Put(f, 156, {8});
  Put(f, 160, {0, 0, 0, 0x7F});
  Put(f, 164, {9});
  PutText(f, 168, "player7");
  PutText(f, 184, "\xD0\xC7");  // "星"
  f[208] = 1;
  PutText(f, 210, "01");
  PutText(f, 218, "k2");
  Put(f, 226, {0x18});
  return f;
}

TEST(ParseProfileTest, ReadsEveryField) {
  const model::PlayerProfile p = ParseProfile(FullProfileFrame());
  EXPECT_EQ(p.nick, "Ab\xE4\xB8\xAD");
  EXPECT_EQ(p.face, "w7");
  EXPECT_EQ(p.sex, 1);
  EXPECT_EQ(p.area, "\xE5\x8C\x97\xE4\xBA\xAC");
  EXPECT_EQ(p.points, 1);
  EXPECT_EQ(p.credit, 2);
  EXPECT_EQ(p.coins, 10000);
  EXPECT_EQ(p.extra1, 3);
  EXPECT_EQ(p.title, "\xE9\xAB\x98\xE6\x89\x8B");
  EXPECT_EQ(p.extra2, 4);
  EXPECT_EQ(p.extra3, 5);
  EXPECT_EQ(p.extra4, std::ldexp(1.0, 56));
  EXPECT_EQ(p.logins, 263);
  EXPECT_EQ(p.drops, 8);
  EXPECT_EQ(p.wins, 0x7F000000);
  EXPECT_EQ(p.losses, 9);
  EXPECT_EQ(p.account, "player7");
  EXPECT_EQ(p.tag, "\xE6\x98\x9F");
  EXPECT_EQ(p.voiceSet, "01");
  EXPECT_EQ(p.voiceKind, "k2");
  EXPECT_EQ(p.seatWord, 0x18);
}

TEST(ParseProfileTest, EmptyFaceIsFirstMaleAvatar) {
  net::Frame f = FullProfileFrame();
  Put(f, 48, {0, 0});
  EXPECT_EQ(ParseProfile(f).face, "m1");
}

TEST(ParseProfileTest, NickFillingItsFieldEndsThereAndKeepsLoneLead) {
  net::Frame f = FullProfileFrame();
  const std::string nick31(31, 'n');
  PutText(f, 16, nick31 + "\xD6");  // byte 48, the face, must not become its trail byte
  EXPECT_EQ(ParseProfile(f).nick, nick31 + "\xEF\xBF\xBD");
}

// Received values outside the model's ranges.

struct RangeCase {
  const char* name;
  std::uint8_t type;
  std::size_t at;  // byte set to 0x80
  bool in_range;
};

class FrameInRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FrameInRangeTest, ChecksOnlyWhatTheTypeReads) {
  net::Frame f{};
  f.fill(0x7F);
  f[3] = GetParam().type;
  f[GetParam().at] = 0x80;
  EXPECT_EQ(FrameInRange(f), GetParam().in_range);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameInRangeTest,
    ::testing::Values(
        RangeCase{"HandIdTopByte", 1, 271, false}, RangeCase{"HandIdLowByte", 1, 268, true},
        RangeCase{"NewHandHasNoCards", 1, 8, true}, RangeCase{"GateCard0", 2, 8, false},
        RangeCase{"GateCard1", 2, 12, false}, RangeCase{"GateCardLowByte", 2, 11, true},
        RangeCase{"TurnHasNoHandId", 2, 271, true}, RangeCase{"ThirdCard", 3, 12, false},
        RangeCase{"BetReadsNoCardAt8", 3, 8, true}, RangeCase{"Logins", 20, 155, false},
        RangeCase{"Drops", 20, 159, false}, RangeCase{"Wins", 20, 163, false},
        RangeCase{"Losses", 20, 167, false}, RangeCase{"CounterLowByte", 20, 152, true},
        RangeCase{"ResultHasNoCards", 4, 12, true}, RangeCase{"OtherType", 77, 271, true}),
    [](const auto& p) { return p.param.name; });

// Resets.

class ResetTest : public ::testing::Test {
 protected:
  void TearDown() override {
    model::SetTableStartValues();
    net::HandInProgress = false;
    net::RecvRing.read = net::RecvRing.write = 0;
    net::SendRing.read = net::SendRing.write = 0;
  }
};

TEST_F(ResetTest, TableModelBackToWindowOpen) {
  model::custom[1] = {"bob", 8};
  model::profile[2].coins = 50;
  model::g_iTurnSeconds = 1;
  model::g_iNextCard = 7;
  model::juNum = 3;
  model::g_bBtnLocked[2] = true;
  model::SetTableStartValues();
  EXPECT_EQ(model::custom[1].name, "");
  EXPECT_EQ(model::custom[1].seat, 0);
  EXPECT_EQ(model::profile[2].coins, 0);
  EXPECT_EQ(model::g_iTurnSeconds, 15);
  EXPECT_EQ(model::g_iNextCard, 0);
  EXPECT_EQ(model::juNum, 0);
  EXPECT_FALSE(model::g_bBtnLocked[2]);
}

TEST_F(ResetTest, GameStateEmptiesRingsOnlyWhenAsked) {
  for (const bool reset_rings : {false, true}) {
    model::g_iJoinCount = 4;
    net::HandInProgress = true;
    net::RecvRing.read = 272;
    net::SendRing.write = 544;
    ResetGameState(reset_rings);
    EXPECT_EQ(model::g_iJoinCount, 0);
    EXPECT_FALSE(net::HandInProgress);
    EXPECT_EQ(net::RecvRing.read, reset_rings ? 0u : 272u);
    EXPECT_EQ(net::SendRing.write, reset_rings ? 0u : 544u);
  }
}

}  // namespace
}  // namespace tlj::game
