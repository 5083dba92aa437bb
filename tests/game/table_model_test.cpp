#include "core/game/table_model.h"
#include "core/model/amount_text.h"
#include "core/model/button_indexes.h"
#include "core/model/table_state.h"
#include "core/net/frame.h"
#include "core/net/frame_fields.h"
#include "core/net/link_state.h"
#include "core/net/rings.h"
#include "core/platform/element_tree.h"
#include "core/platform/services.h"
#include "core/view/window_designs.h"
#include "tests/support/frame_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tlj::game {
namespace {

using tlj::testing::PutBytes;
using tlj::testing::PutLe32;
using tlj::testing::PutLe64;

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
  void SetUp() override {
    platform::Sys().ui = &tree;
    view::DesignWindows(*platform::Sys().ui);
  }
  void TearDown() override { platform::Sys().ui = nullptr; }
  platform::ElementTree tree;
};

TEST_F(ShowCoinsTest, CaptionsCashOfThatPosition) {
  ShowCoins(2, 1500);
  ShowCoins(3, std::ldexp(1.0, 56));
  EXPECT_EQ(tree.El("MainForm", "Cash", 2).caption, "1500金币");
  EXPECT_EQ(tree.El("MainForm", "Cash", 3).caption, "7.20575940379279E+16金币");
  EXPECT_EQ(tree.Find("MainForm", "Cash", 0)->caption, "");
}

// The player record.

// A player-arrives frame with every field of the record set to a value of its own; the texts
// in GBK as the wire holds them.
net::Frame FullProfileFrame() {
  namespace field = net::player_arrives;
  net::Frame f{};
  f[net::kTypeAt] = net::kTypePlayerArrives;
  PutBytes(f, field::kNickAt, "Ab\xD6\xD0");  // "Ab中"
  PutBytes(f, field::kFaceAt, "w7");
  f[field::kSexAt] = 1;
  PutBytes(f, field::kAreaAt, "\xB1\xB1\xBE\xA9");  // "北京"
  PutLe64(f, field::kPointsAt, 1);
  PutLe64(f, field::kCreditAt, 2);
  PutLe64(f, field::kCoinsAt, 10000);
  PutLe64(f, field::kExtra1At, 3);
  PutBytes(f, field::kTitleAt, "\xB8\xDF\xCA\xD6");  // "高手"
  PutLe64(f, field::kExtra2At, 4);
  PutLe64(f, field::kExtra3At, 5);
  PutLe64(f, field::kExtra4At, 1ull << 56);
  PutLe32(f, field::kLoginsAt, 263);
  PutLe32(f, field::kDropsAt, 8);
  PutLe32(f, field::kWinsAt, 0x7F000000);
  PutLe32(f, field::kLossesAt, 9);
  PutBytes(f, field::kAccountAt, "player7");
  PutBytes(f, field::kTagAt, "\xD0\xC7");  // "星"
  f[field::kReadyAt] = 1;
  PutBytes(f, field::kVoiceSetAt, "01");
  PutBytes(f, field::kVoiceKindAt, "k2");
  f[field::kSeatAt] = 0x18;
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
  PutBytes(f, net::player_arrives::kFaceAt, std::string(2, '\0'));
  EXPECT_EQ(ParseProfile(f).face, "m1");
}

TEST(ParseProfileTest, NickFillingItsFieldEndsThereAndKeepsLoneLead) {
  net::Frame f = FullProfileFrame();
  const std::string nick31(31, 'n');
  PutBytes(f, net::player_arrives::kNickAt, nick31 + "\xD6");  // the face must not become its trail
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
  f[net::kTypeAt] = GetParam().type;
  f[GetParam().at] = 0x80;
  EXPECT_EQ(FrameInRange(f), GetParam().in_range);
}

constexpr std::size_t kHandIdTop = net::kHandIdAt + 3;
constexpr std::size_t kGateCard0 = net::turn_start::kGateCardsAt;
constexpr std::size_t kGateCard1 = net::turn_start::kGateCardsAt + 4;
// The top byte of a 4-byte counter.
constexpr std::size_t TopByte(std::size_t counter) {
  return counter + 3;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameInRangeTest,
    ::testing::Values(
        RangeCase{"HandIdTopByte", net::kTypeNewHand, kHandIdTop, false},
        RangeCase{"HandIdLowByte", net::kTypeNewHand, net::kHandIdAt, true},
        RangeCase{"NewHandHasNoCards", net::kTypeNewHand, kGateCard0, true},
        RangeCase{"GateCard0", net::kTypeTurnStart, kGateCard0, false},
        RangeCase{"GateCard1", net::kTypeTurnStart, kGateCard1, false},
        RangeCase{"GateCardLowByte", net::kTypeTurnStart, kGateCard0 + 3, true},
        RangeCase{"TurnHasNoHandId", net::kTypeTurnStart, kHandIdTop, true},
        RangeCase{"ThirdCard", net::kTypeBet, net::bet::kThirdCardAt, false},
        RangeCase{"BetReadsNoCardAt8", net::kTypeBet, kGateCard0, true},
        RangeCase{"Logins", net::kTypePlayerArrives, TopByte(net::player_arrives::kLoginsAt),
                  false},
        RangeCase{"Drops", net::kTypePlayerArrives, TopByte(net::player_arrives::kDropsAt), false},
        RangeCase{"Wins", net::kTypePlayerArrives, TopByte(net::player_arrives::kWinsAt), false},
        RangeCase{"Losses", net::kTypePlayerArrives, TopByte(net::player_arrives::kLossesAt),
                  false},
        RangeCase{"CounterLowByte", net::kTypePlayerArrives, net::player_arrives::kLoginsAt, true},
        RangeCase{"ResultHasNoCards", net::kTypeBetResult, net::bet::kThirdCardAt, true},
        RangeCase{"OtherType", 77, kHandIdTop, true}),
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
  model::g_bBtnLocked[model::kReadyButton] = true;
  model::SetTableStartValues();
  EXPECT_EQ(model::custom[1].name, "");
  EXPECT_EQ(model::custom[1].seat, 0);
  EXPECT_EQ(model::profile[2].coins, 0);
  EXPECT_EQ(model::g_iTurnSeconds, 15);
  EXPECT_EQ(model::g_iNextCard, 0);
  EXPECT_EQ(model::juNum, 0);
  EXPECT_FALSE(model::g_bBtnLocked[model::kReadyButton]);
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
