#include "core/net/frame.h"
#include "core/net/client_frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::net {
namespace {

void Put(Frame& frame, std::size_t at, const std::vector<std::uint8_t>& bytes) {
  for (const std::uint8_t b : bytes) frame[at++] = b;
}

void PutText(Frame& frame, std::size_t at, std::string_view bytes) {
  for (const char c : bytes) frame[at++] = static_cast<std::uint8_t>(c);
}

// Numbers: each field has its own byte order.

struct AmountCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  double value;
};

class ReadAmountTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(ReadAmountTest, ReadsLittleEndian) {
  Frame frame{};
  Put(frame, 40, GetParam().bytes);
  EXPECT_EQ(ReadAmount(frame, 40), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, ReadAmountTest,
    ::testing::Values(AmountCase{"LowByteFirst", {1, 0, 0, 0, 0, 0, 0, 0}, 1},
                      AmountCase{"HighByteLast", {0, 0, 0, 0, 0, 0, 0, 1}, std::ldexp(1.0, 56)},
                      AmountCase{"Mixed", {0x10, 0x27, 0, 0, 0, 0, 0, 0}, 10000},
                      AmountCase{"AllOnes",
                                 {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                 std::ldexp(1.0, 64)}),
    [](const auto& p) { return p.param.name; });

TEST(ReadNumberTest, CardCodeIsBigEndianAndCountersLittleEndian) {
  Frame frame{};
  Put(frame, 12, {0x12, 0x34, 0x56, 0x78});
  EXPECT_EQ(ReadCardCode(frame, 12), 0x12345678u);
  EXPECT_EQ(ReadLe32(frame, 12), 0x78563412u);
}

TEST(ReadNumberTest, FieldsRunningOffTheFrameStopAtItsEnd) {
  Frame frame{};
  Put(frame, 268, {1, 2, 3, 4});
  EXPECT_EQ(ReadAmount(frame, 268), 0x04030201);
  EXPECT_EQ(ReadCardCode(frame, 270), 0x03040000u);
  EXPECT_EQ(ReadByte(frame, kFrameSize), 0);
  EXPECT_EQ(ReadAnsiText(frame, 270, 32), "\x03\x04");
}

struct BetCase {
  const char* name;
  double amount;
  std::vector<std::uint8_t> bytes;  // bytes 16..23
};

class WriteAmountBeTest : public ::testing::TestWithParam<BetCase> {};

TEST_P(WriteAmountBeTest, WritesRoundedAmountBigEndian) {
  Frame frame{};
  frame.fill(0xAA);
  WriteAmountBe(frame, 16, GetParam().amount);
  Frame expected{};
  expected.fill(0xAA);
  Put(expected, 16, GetParam().bytes);
  EXPECT_EQ(frame, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, WriteAmountBeTest,
    ::testing::Values(BetCase{"One", 1, {0, 0, 0, 0, 0, 0, 0, 1}},
                      BetCase{"Zero", 0, {0, 0, 0, 0, 0, 0, 0, 0}},
                      BetCase{"FourBytes", 0x01020304, {0, 0, 0, 0, 1, 2, 3, 4}},
                      BetCase{"HalfRoundsToEvenDown", 2.5, {0, 0, 0, 0, 0, 0, 0, 2}},
                      BetCase{"HalfRoundsToEvenUp", 3.5, {0, 0, 0, 0, 0, 0, 0, 4}},
                      BetCase{"Largest", 2147483647, {0, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF}},
                      BetCase{"TooLargeIsClamped", 1e12, {0, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF}},
                      BetCase{"NegativeIsZero", -5, {0, 0, 0, 0, 0, 0, 0, 0}},
                      BetCase{"NotANumberIsZero",
                              std::numeric_limits<double>::quiet_NaN(),
                              {0, 0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& p) { return p.param.name; });

// Text fields.

enum class Kind { Ansi, Byte, DoubleByte };

struct TextCase {
  const char* name;
  Kind kind;
  std::string bytes;  // put at byte 16
  std::size_t size;
  std::string utf8;
};

class ReadTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadTextTest, ReadsFieldOfItsKind) {
  const TextCase& c = GetParam();
  Frame frame{};
  frame.fill('z');  // whatever follows the field must not be read
  for (std::size_t i = 0; i < c.size; ++i) frame[16 + i] = 0;
  PutText(frame, 16, c.bytes);
  const std::string text = c.kind == Kind::Ansi   ? ReadAnsiText(frame, 16, c.size)
                           : c.kind == Kind::Byte ? ReadByteText(frame, 16, c.size)
                                                  : ReadDoubleByteText(frame, 16, c.size);
  EXPECT_EQ(text, c.utf8);
}

const std::string k32Ascii = "abcdefghijklmnopqrstuvwxyz012345";
const std::string k31AsciiLead = k32Ascii.substr(0, 31) + "\xD6";

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadTextTest,
    ::testing::Values(
        TextCase{"AnsiMixed", Kind::Ansi,
                 "a\xD6\xD0"
                 "b",
                 32,
                 "a\xE4\xB8\xAD"
                 "b"},
        TextCase{"AnsiStopsAtZero", Kind::Ansi, std::string("ab\0cd", 5), 32, "ab"},
        TextCase{"AnsiFullFieldWithoutZero", Kind::Ansi, k32Ascii, 32, k32Ascii},
        TextCase{"AnsiLeadInLastByte", Kind::Ansi, k31AsciiLead, 32,
                 k32Ascii.substr(0, 31) + "\xEF\xBF\xBD"},
        TextCase{"AnsiLeadTakesAnyTrail", Kind::Ansi,
                 "\xD6"
                 "0b",
                 32,
                 "\xEF\xBF\xBD"
                 "b"},
        TextCase{"AnsiLeadTakesZeroTrail", Kind::Ansi,
                 std::string("\xD6\0"
                             "a",
                             3),
                 32,
                 "\xEF\xBF\xBD"
                 "a"},
        TextCase{"ByteOnePerByte", Kind::Byte, "m10", 16, "m10"},
        TextCase{"ByteHighByteIsItsOwnCharacter", Kind::Byte, "a\xE9", 16, "a\xC3\xA9"},
        TextCase{"ByteFullField", Kind::Byte, "0123456789abcdef", 16, "0123456789abcdef"},
        TextCase{"DoublePairs", Kind::DoubleByte, "\xD6\xD0\xCE\xC4", 8,
                 "\xE4\xB8\xAD\xE6\x96\x87"},
        TextCase{"DoubleFullField", Kind::DoubleByte, "\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0", 8,
                 "\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD"},
        TextCase{"DoubleStopsAtZeroFirstByte", Kind::DoubleByte,
                 std::string("\xD6\xD0\0\xD0\xCE\xC4", 6), 8, "\xE4\xB8\xAD"},
        TextCase{"DoubleNonGbkPair", Kind::DoubleByte, "ab\xD6\xD0", 8,
                 "\xEF\xBF\xBD\xE4\xB8\xAD"}),
    [](const auto& p) { return p.param.name; });

// Token, login request and keep-alive.

class FrameStateTest : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    ServerToken = {};
    LoginFrame = {};
    g_sChatText.clear();
  }
};

using CaptureTokenTest = FrameStateTest;

TEST_F(CaptureTokenTest, EveryTypeButReconnectReplyReplacesToken) {
  Frame message{};
  Put(message, kTokenAt, {0x12, 0x34});
  for (const std::uint8_t type : std::initializer_list<std::uint8_t>{1, 2, 18, 77}) {
    ServerToken = {};
    message[kTypeAt] = type;
    CaptureToken(message);
    EXPECT_EQ(ServerToken, (std::array<std::uint8_t, 2>{0x12, 0x34})) << int{type};
  }
  ServerToken = {0x56, 0x78};
  message[kTypeAt] = 29;
  CaptureToken(message);
  EXPECT_EQ(ServerToken, (std::array<std::uint8_t, 2>{0x56, 0x78}));
}

TEST_F(FrameStateTest, KeepAliveCarriesSeatAndCapturedToken) {
  Frame message{};
  message[kTypeAt] = 2;
  Put(message, kTokenAt, {0x12, 0x34});
  CaptureToken(message);
  Frame expected{};
  expected[3] = 24;
  expected[6] = 4;
  Put(expected, 260, {0x12, 0x34});
  EXPECT_EQ(BuildKeepAlive(4), expected);
}

using LoginFrameTest = FrameStateTest;

TEST_F(LoginFrameTest, ThreeLetterAccountAndPassword) {
  ASSERT_TRUE(BuildLoginFrame("abc", "xyz"));
  Frame expected{};
  expected[3] = 18;
  PutText(expected, 16, "abc");
  PutText(expected, 32, "xyz");
  EXPECT_EQ(LoginFrame, expected);
}

TEST_F(LoginFrameTest, PasswordOverwritesAccountBeyondSixteenCharacters) {
  ASSERT_TRUE(BuildLoginFrame("abcdefghijklmnopq", "XY"));
  Frame expected{};
  expected[3] = 18;
  PutText(expected, 16, "abcdefghijklmnop");
  PutText(expected, 32, "XY");
  EXPECT_EQ(LoginFrame, expected);
}

TEST_F(LoginFrameTest, RebuildStartsFromZeroBytes) {
  LoginFrame.fill(0xEE);
  ASSERT_TRUE(BuildLoginFrame("a", "b"));
  Frame expected{};
  expected[3] = 18;
  expected[16] = 'a';
  expected[32] = 'b';
  EXPECT_EQ(LoginFrame, expected);
}

TEST_F(LoginFrameTest, LongestPasswordEndsBeforeToken) {
  ASSERT_TRUE(BuildLoginFrame("a", std::string(228, 'p')));
  EXPECT_EQ(LoginFrame[259], 'p');
  EXPECT_EQ(LoginFrame[260], 0);
}

struct RefusedLogin {
  const char* name;
  std::string account;
  std::string password;
};

class LoginRefusedTest : public ::testing::TestWithParam<RefusedLogin> {
 protected:
  void SetUp() override { LoginFrame = {}; }
  void TearDown() override { LoginFrame = {}; }
};

TEST_P(LoginRefusedTest, RefusesAndLeavesFrameAlone) {
  LoginFrame[100] = 0x5A;
  const Frame before = LoginFrame;
  EXPECT_FALSE(BuildLoginFrame(GetParam().account, GetParam().password));
  EXPECT_EQ(LoginFrame, before);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LoginRefusedTest,
    ::testing::Values(RefusedLogin{"DoubleByteInAccount", "ab\xE4\xB8\xAD", "xyz"},
                      RefusedLogin{"DoubleByteInPassword", "abc", "x\xE4\xB8\xAD"},
                      RefusedLogin{"NoAnsiCode", "ab\xF0\x9F\x98\x80", "xyz"},
                      RefusedLogin{"MalformedUtf8", "ab\xC0", "xyz"},
                      RefusedLogin{"PasswordIntoToken", "abc", std::string(229, 'p')},
                      RefusedLogin{"AccountIntoToken", std::string(245, 'a'), ""}),
    [](const auto& p) { return p.param.name; });

// Chat text.

using ChatTextTest = FrameStateTest;

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// A chat frame as the sender hands it over, with stale bytes where the text goes.
Frame StaleChatFrame() {
  Frame frame{};
  frame.fill(0xEE);
  frame[3] = 19;
  frame[6] = 4;
  frame[11] = 2;
  return frame;
}

struct ChatCase {
  const char* name;
  std::string text;
  std::string bytes;  // expected from byte 16, zeros after
};

class EncodeChatTextTest : public ::testing::TestWithParam<ChatCase> {
 protected:
  void TearDown() override { g_sChatText.clear(); }
};

TEST_P(EncodeChatTextTest, WritesAnsiCodesAndZeroesTheRest) {
  g_sChatText = GetParam().text;
  Frame frame = StaleChatFrame();
  ASSERT_TRUE(EncodeChatText(frame));
  Frame expected = StaleChatFrame();
  std::fill(expected.begin() + 16, expected.end(), 0);
  PutText(expected, 16, GetParam().bytes);
  EXPECT_EQ(frame, expected);
  EXPECT_TRUE(g_sChatText.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeChatTextTest,
    ::testing::Values(ChatCase{"Mixed",
                               "a\xE4\xB8\xAD"
                               "b",
                               "a\xD6\xD0"
                               "b"},
                      ChatCase{"Exactly100", Repeat("x", 100), Repeat("x", 100)},
                      ChatCase{"Cut101To100", Repeat("x", 100) + "y", Repeat("x", 100)},
                      ChatCase{"HundredDoubleByteFill16To215", Repeat("\xE4\xB8\xAD", 101),
                               Repeat("\xD6\xD0", 100)},
                      ChatCase{"NoAnsiCodeIsQuestionMark",
                               "a\xF0\x9F\x98\x80"
                               "b",
                               "a?b"}),
    [](const auto& p) { return p.param.name; });

TEST_F(ChatTextTest, EmptyTextQueuesNothing) {
  Frame frame = StaleChatFrame();
  EXPECT_FALSE(EncodeChatText(frame));
  EXPECT_EQ(frame, StaleChatFrame());
}

}  // namespace
}  // namespace tlj::net
