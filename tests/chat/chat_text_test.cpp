// The chat text on the wire both ways, the history's wrapping and the word filter.

#include "core/chat/chat_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chat/filter.h"
#include "core/net/client_frames.h"
#include "core/net/frame_fields.h"
#include "tests/support/frame_bytes.h"

namespace tlj::testing {
namespace {

using net::chat::kTextAt;

struct RoundTrip {
  const char* typed;
  const char* received;
};

class GbkRoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(GbkRoundTripTest, WhatIsSentIsWhatArrives) {
  net::Frame frame{};
  frame[net::kTypeAt] = net::kTypeChat;
  net::g_sChatText = GetParam().typed;
  ASSERT_TRUE(net::EncodeChatText(frame));
  EXPECT_EQ(chat::DecodeChatText(frame), GetParam().received);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkRoundTripTest,
    ::testing::Values(RoundTrip{"hello, world 123", "hello, world 123"},
                      RoundTrip{"大家好，我是新来的！", "大家好，我是新来的！"},
                      RoundTrip{"abc说道： 押上500金币吧", "abc说道： 押上500金币吧"},
                      RoundTrip{"（发送消息太快！）【】《》", "（发送消息太快！）【】《》"},
                      RoundTrip{"繁體字也行", "繁體字也行"},
                      // Characters the code page cannot hold arrive as "?", in their place.
                      RoundTrip{"好😀了", "好?了"}, RoundTrip{"กa", "?a"}));

TEST(DecodeChatTextTest, OneHundredDoubleByteCharactersFillTheField) {
  net::Frame frame{};
  std::string hundred;
  for (int k = 0; k < 100; ++k) hundred += "中";
  net::g_sChatText = hundred;
  ASSERT_TRUE(net::EncodeChatText(frame));
  EXPECT_NE(frame[215], 0);
  EXPECT_EQ(frame[216], 0);
  EXPECT_EQ(chat::DecodeChatText(frame), hundred);
}

struct BadText {
  const char* name;
  std::vector<std::uint8_t> bytes;  // from byte 16
  std::string shown;
};

class DecodeBadTextTest : public ::testing::TestWithParam<BadText> {};

TEST_P(DecodeBadTextTest, ShowsWhatCanBeReadAndNeverReadsPastTheField) {
  net::Frame frame{};
  std::copy(GetParam().bytes.begin(), GetParam().bytes.end(), frame.begin() + kTextAt);
  // Whatever stands after the field is not text.
  for (std::size_t at = net::chat::kTextEnd; at < net::kFrameSize; ++at) frame[at] = 'Z';
  EXPECT_EQ(chat::DecodeChatText(frame), GetParam().shown);
}

std::vector<std::uint8_t> Filled(std::size_t count, std::uint8_t byte,
                                 std::vector<std::uint8_t> tail = {}) {
  std::vector<std::uint8_t> bytes(count, byte);
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeBadTextTest,
    ::testing::Values(BadText{"LeadByteBeforeTheZero", {'a', 0xD6, 0x00, 'b'}, "a?"},
                      BadText{"LeadByteAtTheEndOfTheField", Filled(199, 'x', {0xD6}),
                              std::string(199, 'x') + "?"},
                      BadText{"NoZeroByte", Filled(200, 'y'), std::string(200, 'y')},
                      BadText{"PairTheCodePageDoesNotMap", {0xD6, 0xD0, 0xFF, 0xFF, 'c'}, "中?c"},
                      BadText{"LeadByteWithASingleByteTrail", {0x81, 0x20, 'd'}, "?d"},
                      BadText{"EmptyText", {}, ""}),
    [](const auto& p) { return p.param.name; });

struct Wrapping {
  const char* name;
  std::string text;
  std::vector<std::string> lines;
};

class AddWrappedTest : public ::testing::TestWithParam<Wrapping> {};

TEST_P(AddWrappedTest, LinesOfTheHistory) {
  platform::Element list;
  list.kind = platform::ElementKind::List;
  chat::AddWrapped(list, GetParam().text, 44);
  EXPECT_EQ(list.lines, GetParam().lines);
}

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int k = 0; k < times; ++k) text += piece;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AddWrappedTest,
    ::testing::Values(
        Wrapping{"ShortLine", "bob说道： 你好", {"bob说道： 你好"}}, Wrapping{"Empty", "", {}},
        // The first line ends with the character at which 44 columns were reached.
        Wrapping{"FiftySingleByte", Repeat("a", 45) + "bcdef", {Repeat("a", 45), " bcdef"}},
        // 22 double-width characters reach 44 columns; the 23rd ends the first line.
        Wrapping{"DoubleWidth", Repeat("中", 30), {Repeat("中", 23), " " + Repeat("中", 7)}},
        Wrapping{"Mixed",
                 Repeat("中a", 20) + "xyz",
                 {Repeat("中a", 15), " " + Repeat("中a", 5) + "xyz"}},
        // Later lines break before the character that reaches 44 columns; the character that
        // ended the first line already counts towards the second.
        Wrapping{"ThreeLines",
                 Repeat("b", 100),
                 {Repeat("b", 45), " " + Repeat("b", 43), " " + Repeat("b", 12)}},
        Wrapping{"EndsAtANul", std::string("ab\0cd", 5), {"ab"}}),
    [](const auto& p) { return p.param.name; });

struct Filtered {
  const char* name;
  const char* line;
  const char* shown;
};

class FilterChatTest : public ::testing::TestWithParam<Filtered> {};

TEST_P(FilterChatTest, BannedWordsAreRemoved) {
  EXPECT_EQ(chat::FilterChat(GetParam().line), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FilterChatTest,
    ::testing::Values(Filtered{"LongerWordFirst", "婊子养的", ""},
                      Filtered{"ShorterWordAlone", "你这婊子", "你这"},
                      Filtered{"EnglishWord", "fuck you", " you"},
                      Filtered{"EveryOccurrence", "shit and shit", " and "},
                      Filtered{"CaseMatters", "Fuck", "Fuck"},
                      // One pass per word: what a removal joins is not looked at again.
                      Filtered{"JoinedNotRemoved", "ffuckuck", "fuck"},
                      Filtered{"OrderOfTheList", "黄色情", "黄"},
                      Filtered{"CleanLine", "bob说道： 押上！", "bob说道： 押上！"}),
    [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace tlj::testing
