// Received chat lines: the names, the filter, the history and the strip, the blink of the
// history button, and frames that carry nonsense.

#include "core/chat/receive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chat/chat_state.h"
#include "core/net/channels.h"
#include "core/view/image_tables.h"
#include "tests/chat/chat_fixture.h"

namespace tlj::testing {
namespace {

class ReceivingTest : public ChatFixture {
 protected:
  std::vector<std::string> Strip() { return {Line(0), Line(1)}; }
  std::string Line(int box) {
    const auto& lines = h.El("Sysmsg", box).lines;
    return lines.empty() ? "" : lines.front();
  }
  void Receive(const ChatLine& line) { Send(ChatFrame(line), 100); }
};

struct View {
  const char* name;
  ChatLine line;
  const char* shown;
};

class ChatViewTest : public ReceivingTest, public ::testing::WithParamInterface<View> {};

TEST_P(ChatViewTest, TheLineNamesThePeopleInvolved) {
  Receive(GetParam().line);
  EXPECT_EQ(History(), std::vector<std::string>{GetParam().shown});
  EXPECT_EQ(Line(1), GetParam().shown);  // the newer line of the strip
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ChatViewTest,
    ::testing::Values(
        View{"OwnPublicLine", {.seat = 1, .text = "abc说道： W"}, "你说道： W"},
        View{"OthersPublicLine", {.seat = 4, .text = "cat说道： W"}, "cat说道： W"},
        // The three views of one private line from abc to bob.
        View{"PrivateLineAtTheSender", {.seat = 1, .text = "W", .target = 2}, "你对bob说道： W"},
        View{"PrivateLineAtTheTarget", {.seat = 2, .text = "W", .target = 1}, "bob对你说道： W"},
        View{
            "PrivateLineAtAThirdPlayer", {.seat = 2, .text = "W", .target = 4}, "bob对cat说道： W"},
        View{"TheServersLineIsNotFiltered", {.seat = 0, .text = "系统：fuck"}, "系统：fuck"},
        View{"OthersLineIsFiltered", {.seat = 2, .text = "bob说道： fuck off"}, "bob说道：  off"},
        View{"TargetSeatNobodyHolds", {.seat = 2, .text = "W", .target = 0x30}, "bob对你说道： W"}),
    [](const auto& p) { return p.param.name; });

TEST_F(ReceivingTest, TheStripKeepsTheNewestTwoLines) {
  h.El("Sysmsg", 0).lines.clear();
  h.El("Sysmsg", 1).lines.clear();
  Receive({.seat = 2, .text = "one"});
  EXPECT_EQ(Strip(), (std::vector<std::string>{"one", ""}));
  Receive({.seat = 2, .text = "two"});
  EXPECT_EQ(Strip(), (std::vector<std::string>{"one", "two"}));
  Receive({.seat = 2, .text = "three"});
  EXPECT_EQ(Strip(), (std::vector<std::string>{"two", "three"}));
}

TEST_F(ReceivingTest, LongLinesWrapInTheHistoryAndAreCutInTheStrip) {
  Receive({.seat = 2, .text = std::string(50, 'q')});
  EXPECT_EQ(History(), (std::vector<std::string>{std::string(45, 'q'), " " + std::string(5, 'q')}));
  EXPECT_EQ(Line(1), std::string(45, 'q'));
}

TEST_F(ReceivingTest, TheHistoryShowsItsLastLine) {
  for (int k = 0; k < 30; ++k) Receive({.seat = 2, .text = "line " + std::to_string(k)});
  const auto& history = h.tree.El("Talk", "Text1");
  EXPECT_EQ(history.topLine + platform::VisibleLines(history), 30);
}

TEST_F(ReceivingTest, AKeyPressClearsAHistoryOfMoreThanAHundredLines) {
  for (int k = 0; k < 100; ++k) Receive({.seat = 2, .text = "x"});
  Key('a');
  EXPECT_EQ(History().size(), 100u);
  Receive({.seat = 2, .text = "x"});
  Key('b');
  EXPECT_TRUE(History().empty());
  EXPECT_EQ(ChatBox(), "ab");
}

TEST_F(ReceivingTest, AFloodOfLinesKeepsTheHistoryBoundedWithoutAKeyPress) {
  const net::Frame line = ChatFrame({.seat = 2, .text = std::string(120, 'z') + "end"});
  for (int batch = 0; batch < 10; ++batch) {
    for (int k = 0; k < 100; ++k) h.ServerSend(line);
    h.RunFor(100 * 100);
  }
  EXPECT_FALSE(h.Ended());
  const auto history = History();
  EXPECT_EQ(history.size(), chat::kHistoryCap);
  EXPECT_EQ(history.back(), " " + std::string(32, 'z') + "end");
}

TEST_F(ReceivingTest, ALineFromAnotherPlayerBlinksTheHistoryButton) {
  const int normal = view::ButtonImageIds[2];
  const int hover = view::ButtonImageIds[3];
  Receive({.seat = 4, .text = "cat说道： hi"});
  std::vector<int> pictures;
  for (int step = 0; step < 10; ++step) {
    h.RunFor(400);
    pictures.push_back(h.El("AnNiu", 1).picture.value_or(-1));
  }
  EXPECT_EQ(pictures, (std::vector<int>{hover, normal, hover, normal, hover, normal, hover, normal,
                                        normal, normal}));
  EXPECT_FALSE(net::PumpArmed[net::kChatBlinkChannel]);
}

TEST_F(ReceivingTest, TheUsersOwnLineDoesNotBlink) {
  Receive({.seat = 1, .text = "abc说道： hi"});
  EXPECT_FALSE(net::PumpArmed[net::kChatBlinkChannel]);
}

}  // namespace
}  // namespace tlj::testing
