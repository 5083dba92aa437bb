// Typing and sending chat lines: composition, the rate limit, private lines and leaving them.

#include "core/chat/send.h"

#include <gtest/gtest.h>

#include <string>

#include "core/chat/chat_state.h"
#include "core/model/table_state.h"
#include "tests/chat/chat_fixture.h"

namespace tlj::testing {
namespace {

using SendingTest = ChatFixture;

TEST_F(SendingTest, EnterSendsAPublicLineWithTheUsersName) {
  Type("一起加油");
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::kSeatAt], 1);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 0);
  EXPECT_EQ(TextOf(sent[0]), "abc说道： 一起加油");
  EXPECT_EQ(ChatBox(), "");
}

TEST_F(SendingTest, SecondEnterWithin800MsIsRefusedAndTheTextLost) {
  Type("one");
  Enter();
  h.RunFor(500);
  Type("two");
  Enter();
  EXPECT_EQ(ChatBox(), "");
  EXPECT_EQ(History(), std::vector<std::string>{"（发送消息太快！）"});
  h.RunFor(299);
  Type("three");
  Enter();  // 799 ms after the first: still too fast
  h.RunFor(2);
  Type("four");
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(TextOf(sent[0]), "abc说道： one");
  EXPECT_EQ(TextOf(sent[1]), "abc说道： four");
}

TEST_F(SendingTest, EnterOnAnEmptyBoxUsesUpTheIntervalSilently) {
  Enter();
  Type("now");
  Enter();
  h.RunFor(100);
  EXPECT_TRUE(ChatSent().empty());
  EXPECT_EQ(History(), std::vector<std::string>{"（发送消息太快！）"});
}

TEST_F(SendingTest, TheSendButtonIsNotRateLimited) {
  Type("one");
  Enter();
  h.RunFor(100);
  Type("two");
  Click("AnNiu", 0);
  Type("three");
  Click("AnNiu", 0);
  h.RunFor(200);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(TextOf(sent[2]), "abc说道： three");
}

TEST_F(SendingTest, ASpectatorsEnterSendsNothing) {
  model::g_bSpectator = true;
  Type("hi");
  Enter();
  h.RunFor(100);
  EXPECT_TRUE(ChatSent().empty());
  EXPECT_EQ(ChatBox(), "hi");
}

TEST_F(SendingTest, TheBoxTakesAHundredCharacters) {
  Type(std::string(120, 'x'));
  EXPECT_EQ(ChatBox(), std::string(100, 'x'));
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  // With the name in front the frame keeps the first 100 characters.
  EXPECT_EQ(TextOf(sent[0]), "abc说道： " + std::string(93, 'x'));
}

TEST_F(SendingTest, AvatarClickMakesTheNextLinePrivate) {
  Type("hello");
  Click("Tou", 1);
  EXPECT_EQ(ChatBox(), "你对bob说 ：hello");
  EXPECT_EQ(h.El("Chat").caret, 13);
  Type(" there");
  Enter();
  h.RunFor(100);
  Type("again");
  Click("AnNiu", 0);
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 2);
  EXPECT_EQ(TextOf(sent[0]), "hello there");
  // Only the one line was private.
  EXPECT_EQ(sent[1][net::chat::kTargetAt], 0);
  EXPECT_EQ(TextOf(sent[1]), "abc说道： again");
}

TEST_F(SendingTest, ChoosingAnotherTargetKeepsTheTypedWords) {
  Click("Tou", 1);
  Type("hi");
  Click("Tou", 3);
  EXPECT_EQ(ChatBox(), "你对dan说 ：hi");
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 8);
  EXPECT_EQ(TextOf(sent[0]), "hi");
}

TEST_F(SendingTest, ATargetWithoutSeatCodeGetsTheNamesInTheText) {
  model::custom[2].seat = 0;
  Click("Tou", 2);
  Type("psst");
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 0);
  EXPECT_EQ(TextOf(sent[0]), "abc对cat说 ：psst");
}

TEST_F(SendingTest, NoTargetOutsideAGameOrWithoutAName) {
  model::profile[2].nick.clear();
  Click("Tou", 2);
  EXPECT_EQ(ChatBox(), "");
  model::g_bGameActive = false;
  Click("Tou", 1);
  EXPECT_EQ(ChatBox(), "");
}

TEST_F(SendingTest, ThePrefixAloneIsNotSent) {
  Click("Tou", 1);
  Type("  ");
  Click("AnNiu", 0);
  h.RunFor(100);
  EXPECT_TRUE(ChatSent().empty());
}

TEST_F(SendingTest, OneBackspaceIntoThePrefixLeavesTheWords) {
  Click("Tou", 1);
  Type("words");
  h.El("Chat").caret = 8;  // right after the prefix
  Key(kBackspaceKey);
  EXPECT_EQ(ChatBox(), "words");
  EXPECT_EQ(h.El("Chat").caret, 5);
  EXPECT_EQ(chat::g_iWhisperSeat, 0);
  Enter();
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 0);
  EXPECT_EQ(TextOf(sent[0]), "abc说道： words");
}

TEST_F(SendingTest, BackspaceAfterThePrefixDeletesOneCharacter) {
  Click("Tou", 1);
  Type("words");
  Key(kBackspaceKey);
  EXPECT_EQ(ChatBox(), "你对bob说 ：word");
}

TEST_F(SendingTest, BackspaceAtTheStartLosesNothingTypedLater) {
  Click("Tou", 1);
  h.El("Chat").caret = 0;
  Key(kBackspaceKey);
  h.El("Chat").caret = 8;
  Type("x");
  EXPECT_EQ(ChatBox(), "你对bob说 ：x");
}

}  // namespace
}  // namespace tlj::testing
