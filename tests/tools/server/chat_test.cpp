// Chat at the table: lines passed on to whom they are meant for, said from the sender's seat,
// their text cleaned up; lines that go nowhere counted; the bots' phrases, well formed, as often
// as asked, and never changing the game a seed plays.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/net/client_frames.h"
#include "core/text/ansi.h"
#include "tests/tools/server/game_test_fixture.h"

namespace tlj::server::testing {
namespace {

std::string Gbk(const std::string& utf8) {
  const auto gbk = text::Utf8ToAnsi(utf8);
  EXPECT_TRUE(gbk.has_value()) << utf8;
  return gbk.value_or("");
}

// A typed line as the client sends it: its header, then the text the client encodes.
Frame ChatFrom(std::uint8_t seat_code, const std::string& utf8, std::uint8_t target = 0) {
  Frame frame = ClientFrame(19, seat_code);
  frame[11] = target;
  net::g_sChatText = utf8;
  EXPECT_TRUE(net::EncodeChatText(frame));
  return frame;
}

// A line whose text field holds exactly these bytes, with junk where nothing belongs.
Frame RawChat(std::uint8_t seat_code, const std::string& text_field) {
  Frame frame = ClientFrame(19, seat_code);
  std::fill(frame.begin() + 16, frame.end(), 0xEE);
  std::fill(frame.begin() + 16, frame.begin() + 216, 0);
  std::copy(text_field.begin(), text_field.end(), frame.begin() + 16);
  return frame;
}

std::string TextField(const Frame& frame) {
  return std::string(frame.begin() + 16, frame.begin() + 216);
}

// Three people at seats 1..3 of a table whose fourth seat stays empty.
class ChatRelayTest : public GameFixture {
 protected:
  ChatRelayTest() {
    GameConfig config = TestConfig();
    config.bot_delay_ms = 3'600'000;
    StartServer(config);
    for (const char* account : {"ann", "bob", "cat"}) three_.push_back(&Join(account));
  }
  ~ChatRelayTest() override { net::g_sChatText.clear(); }

  // The chat lines each of the three received while `from` sent `frame`.
  std::array<std::vector<Frame>, 3> Heard(Person& from, const Frame& frame) {
    std::array<std::size_t, 3> before{};
    for (std::size_t i = 0; i < 3; ++i) before[i] = three_[i]->frames.size();
    Send(from, frame);
    std::array<std::vector<Frame>, 3> heard;
    for (std::size_t i = 0; i < 3; ++i) {
      const auto& frames = three_[i]->frames;
      std::copy_if(frames.begin() + static_cast<std::ptrdiff_t>(before[i]), frames.end(),
                   std::back_inserter(heard[i]), [](const Frame& f) { return f[3] == 19; });
    }
    return heard;
  }
  Person& Member(int i) { return *three_[static_cast<std::size_t>(i)]; }

  std::vector<Person*> three_;
};

struct RelayCase {
  const char* name;
  int from;             // 0..2
  std::uint8_t target;  // byte 11
  std::uint8_t hears;   // bit i: person i hears the line, once
  friend void PrintTo(const RelayCase& c, std::ostream* out) { *out << c.name; }
};

class ChatRelayCaseTest : public ChatRelayTest, public ::testing::WithParamInterface<RelayCase> {};

TEST_P(ChatRelayCaseTest, TheLineReachesWhomItIsMeantFor) {
  const RelayCase& c = GetParam();
  Person& from = Member(c.from);
  Frame line = ChatFrom(from.seat_code, "ann说道： 你好, all", c.target);
  line[9] = 1;
  line[10] = 4;
  const auto heard = Heard(from, line);

  for (int i = 0; i < 3; ++i) {
    const auto& got = heard[static_cast<std::size_t>(i)];
    ASSERT_EQ(got.size(), (c.hears >> i) & 1u) << "person " << i;
    if (got.empty()) continue;
    Frame expected = line;
    expected[260] = static_cast<std::uint8_t>(Member(i).token >> 8);
    expected[261] = static_cast<std::uint8_t>(Member(i).token);
    EXPECT_EQ(got[0], expected) << "person " << i;
  }
  EXPECT_EQ(server->Stats().ignored, 0);
  EXPECT_EQ(server->Stats().invalid, 0);
}

INSTANTIATE_TEST_SUITE_P(Lines, ChatRelayCaseTest,
                         ::testing::Values(RelayCase{"PublicToEverybody", 0, 0, 0b111},
                                           RelayCase{"PublicFromTheLastSeat", 2, 0, 0b111},
                                           RelayCase{"PrivateToAnother", 0, 0x04, 0b101},
                                           RelayCase{"PrivateBackwards", 2, 0x02, 0b110},
                                           RelayCase{"PrivateToOneself", 1, 0x02, 0b010}),
                         [](const auto& test) { return std::string(test.param.name); });

struct CleanUpCase {
  const char* name;
  std::uint8_t seat_byte;  // what the sender claims in byte 6
  std::string text_field;  // bytes 16.. as sent
  std::string text;        // bytes 16.. as heard, up to the zero padding
  friend void PrintTo(const CleanUpCase& c, std::ostream* out) { *out << c.name; }
};

class ChatCleanUpTest : public ChatRelayTest, public ::testing::WithParamInterface<CleanUpCase> {};

TEST_P(ChatCleanUpTest, TheLineIsSaidFromTheSendersSeatAndPaddedWithZeros) {
  const CleanUpCase& c = GetParam();
  Frame line = RawChat(c.seat_byte, c.text_field);
  for (std::size_t at = 0; at < 16; ++at) {
    if (at != 3 && at != 6) line[at] = static_cast<std::uint8_t>(at == 11 ? 0 : 0xA0 + at);
  }
  const auto heard = Heard(Member(0), line);

  ASSERT_EQ(heard[1].size(), 1u);
  const Frame& got = heard[1][0];
  Frame expected{};
  std::copy(line.begin(), line.begin() + 16, expected.begin());
  expected[6] = Member(0).seat_code;
  std::copy(c.text.begin(), c.text.end(), expected.begin() + 16);
  expected[260] = got[260];
  expected[261] = got[261];
  EXPECT_EQ(got, expected);
  ASSERT_EQ(heard[0].size(), 1u);
  Frame own = heard[0][0];
  own[260] = got[260];
  own[261] = got[261];
  EXPECT_EQ(own, got) << "the speaker hears the same line, with its own token";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ChatCleanUpTest,
    ::testing::Values(CleanUpCase{"ClaimingAnotherSeat", 0x04, std::string("hi\0junk", 7), "hi"},
                      CleanUpCase{"ClaimingToBeTheServer", 0x00, "hi", "hi"},
                      CleanUpCase{"ClaimingEverySeat", 0xFF, "hi", "hi"},
                      CleanUpCase{"AFullFieldOfDoubleBytes", 0x01,
                                  [] {
                                    std::string text;
                                    for (int i = 0; i < 100; ++i) text += "\xC4\xE3";
                                    return text;
                                  }(),
                                  [] {
                                    std::string text;
                                    for (int i = 0; i < 100; ++i) text += "\xC4\xE3";
                                    return text;
                                  }()},
                      CleanUpCase{"HalfACharacterAtTheFieldsEnd", 0x01,
                                  std::string(199, 'a') + "\xC4", std::string(199, 'a')},
                      CleanUpCase{"HalfACharacterBeforeTheEnd", 0x01,
                                  std::string("ab\xC4\0\xE3", 5), "ab"}),
    [](const auto& test) { return std::string(test.param.name); });

struct RefusedCase {
  const char* name;
  bool stranger;  // from a connection that has no seat
  std::string text_field;
  std::uint8_t target;
  friend void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }
};

class ChatRefusedTest : public ChatRelayTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(ChatRefusedTest, TheLineGoesNowhereAndIsCounted) {
  const RefusedCase& c = GetParam();
  Person& from = c.stranger ? Connect("dan") : Member(0);
  Frame line = RawChat(from.seat_code, c.text_field);
  line[11] = c.target;
  const auto heard = Heard(from, line);

  for (const auto& got : heard) EXPECT_TRUE(got.empty());
  if (c.stranger) {
    EXPECT_TRUE(from.frames.empty());
  }
  EXPECT_EQ(server->Stats().ignored, 1);
  EXPECT_EQ(server->Stats().invalid, 0);
  EXPECT_EQ(transcript.str().find(" chats"), std::string::npos) << transcript.str();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ChatRefusedTest,
    ::testing::Values(RefusedCase{"FromAConnectionWithoutASeat", true, "hello", 0},
                      RefusedCase{"WithoutAText", false, std::string("\0hello", 6), 0},
                      RefusedCase{"WithHalfACharacterOnly", false, "\xC4", 0},
                      RefusedCase{"PrivateToAnEmptySeat", false, "hello", 0x08},
                      RefusedCase{"PrivateToTwoSeats", false, "hello", 0x06},
                      RefusedCase{"PrivateBeyondTheSeats", false, "hello", 0x10}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ChatRelayTest, AFloodIsCutOffForASecondAndForTheFlooderOnly) {
  struct Step {
    platform::TimeMs at;
    int from;
    bool relayed;
  };
  // Five lines within a rolling second; each line counts until a second after it was said.
  const Step steps[] = {{0, 0, true},    {200, 0, true},   {400, 0, true},  {600, 0, true},
                        {800, 0, true},  {900, 0, false},  {900, 1, true},  {999, 0, false},
                        {1000, 0, true}, {1001, 0, false}, {1200, 0, true}, {1200, 0, false},
                        {2300, 0, true}};
  int ignored = 0;
  for (const Step& step : steps) {
    Advance(step.at - loop.Now());
    ASSERT_EQ(loop.Now(), step.at);
    Person& from = Member(step.from);
    const auto heard = Heard(from, ChatFrom(from.seat_code, "flood"));
    EXPECT_EQ(heard[2].size(), step.relayed ? 1u : 0u) << "at " << step.at;
    if (!step.relayed) ++ignored;
  }
  EXPECT_EQ(server->Stats().ignored, ignored);
}

TEST_F(ChatRelayTest, TheLogAndTheTranscriptShowTheLinesReadably) {
  Frame phrase = ChatFrom(0x04, "ann说道： 你好");
  phrase[9] = 2;
  phrase[10] = 7;
  phrase[13] = 97;
  Send(Member(0), phrase);
  Send(Member(1), ChatFrom(Member(1).seat_code, "ps\nst\\", 0x01));

  const std::string text = log.str();
  for (const char* line : {
           "recv conn=1 seat=1 type=19 chat from=3 to=all voice=7 text=ann说道： 你好\n",
           "send conn=2 seat=2 type=19 chat from=1 to=all voice=7 text=ann说道： 你好\n",
           "send conn=1 seat=1 type=19 chat from=2 to=1 text=ps\\x0Ast\\x5C\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  }
  EXPECT_EQ(text.find("send conn=3 seat=3 type=19 chat from=2"), std::string::npos) << text;
  EXPECT_NE(transcript.str().find("table 1: ann (ann) chats (voice phrase 7): ann说道： 你好\n"
                                  "table 1: bob (bob) chats to ann (ann): ps\\x0Ast\\x5C\n"),
            std::string::npos)
      << transcript.str();
}

// The bots' phrases, with one person at the table.
ChatPhrases TestPhrases() {
  return {{{1, "大家好！"}, {3, "快点吧"}}, {{2, "好牌！"}}};
}

class BotChatTest : public GameFixture {
 protected:
  // One game of four hands, and time enough after it for the last hand's phrases.
  Person& PlayAGame(int bot_chat, ChatPhrases phrases) {
    GameConfig config = TestConfig();
    config.bot_chat = bot_chat;
    config.phrases = std::move(phrases);
    StartServer(config);
    Person& me = Join("abc");
    me.ready_after_game = false;
    Ready(me);
    EXPECT_TRUE(RunUntil([&] { return me.Count(9) == 1; }));
    Advance(config.bot_chat_latest_ms);
    return me;
  }
};

constexpr int kEveryHand = 12;  // three bots, four hands

struct BotChatCase {
  const char* name;
  int bot_chat;
  ChatPhrases phrases;
  std::set<int> lists;  // the phrase lists a line may come from
  int fewest;           // lines heard
  int most;
  friend void PrintTo(const BotChatCase& c, std::ostream* out) { *out << c.name; }
};

class BotChatCaseTest : public BotChatTest, public ::testing::WithParamInterface<BotChatCase> {};

TEST_P(BotChatCaseTest, BotsSayTheirPhrasesAsAClientWould) {
  const BotChatCase& c = GetParam();
  const Person& me = PlayAGame(c.bot_chat, c.phrases);

  std::map<int, std::string> nicks;  // by seat
  for (const Frame& f : me.OfType(20)) nicks[SeatOfBit(f[226])] = GbkText(f, 16, 32);
  std::map<int, int> lines_by_seat;
  std::set<int> lists;
  for (const Frame& f : me.OfType(19)) {
    const int seat = SeatOfBit(f[6]);
    ASSERT_GE(seat, 1) << "a bot's seat";
    ++lines_by_seat[seat];
    lists.insert(f[9]);
    const bool voice = f[9] == 2;
    const auto& list = voice ? c.phrases.voice : c.phrases.quick;
    const auto phrase =
        std::find_if(list.begin(), list.end(), [&](const Phrase& p) { return p.line == f[10]; });
    ASSERT_NE(phrase, list.end()) << "list " << int{f[9]} << " line " << int{f[10]};
    EXPECT_EQ(f[11], 0) << "said to everybody";
    EXPECT_EQ(f[13], voice ? 97 : 0);
    EXPECT_EQ(f[15], 0);
    const std::string text = nicks[seat] + "说道： " + phrase->text;
    EXPECT_EQ(TextField(f), Gbk(text) + std::string(200 - Gbk(text).size(), '\0'));
    EXPECT_TRUE(std::all_of(f.begin() + 216, f.begin() + 260, [](auto b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(f.begin() + 262, f.end(), [](auto b) { return b == 0; }));
  }
  EXPECT_TRUE(std::includes(c.lists.begin(), c.lists.end(), lists.begin(), lists.end()));
  const auto heard = static_cast<int>(me.Count(19));
  EXPECT_GE(heard, c.fewest);
  EXPECT_LE(heard, c.most);
  if (c.fewest == kEveryHand) {
    EXPECT_EQ(lines_by_seat, (std::map<int, int>{{1, 4}, {2, 4}, {3, 4}}));
    EXPECT_EQ(lists, c.lists) << "both kinds";
  }
  EXPECT_EQ(server->Stats().ignored, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Chances, BotChatCaseTest,
    ::testing::Values(
        BotChatCase{"EveryHandWithOneInOne", 1, TestPhrases(), {1, 2}, kEveryHand, kEveryHand},
        BotChatCase{"NowAndThenWithOneInThree", 3, TestPhrases(), {1, 2}, 1, kEveryHand - 1},
        BotChatCase{"NeverWithZero", 0, TestPhrases(), {}, 0, 0},
        BotChatCase{"NothingWithoutPhrases", 1, {}, {}, 0, 0},
        // Half the bots' lines would be voice phrases.
        BotChatCase{"QuickPhrasesOnlyWithoutVoicePhrases",
                    1,
                    {{{1, "大家好！"}}, {}},
                    {1},
                    1,
                    kEveryHand - 1},
        BotChatCase{"NothingWhereNoLineFitsItsByte", 1, {{{256, "x"}}, {}}, {}, 0, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(BotChatTest, TalkLeavesTheCardsAndTheBetsOfASeedAsTheyWere) {
  const Person& talking = PlayAGame(1, TestPhrases());
  ASSERT_GT(talking.Count(19), 0u);
  std::vector<Frame> game;
  std::copy_if(talking.frames.begin(), talking.frames.end(), std::back_inserter(game),
               [](const Frame& f) { return f[3] != 19; });
  std::string table;
  std::istringstream lines(transcript.str());
  for (std::string line; std::getline(lines, line);) {
    if (line.find(" chats") == std::string::npos) table += line + "\n";
  }

  GameWorld quiet;
  GameConfig config = TestConfig();
  config.bot_chat = 0;
  quiet.StartServer(config);
  Person& me = quiet.Join("abc");
  me.ready_after_game = false;
  quiet.Ready(me);
  ASSERT_TRUE(quiet.RunUntil([&] { return me.Count(9) == 1; }));
  quiet.Advance(config.bot_chat_latest_ms);

  EXPECT_EQ(game, me.frames);
  EXPECT_EQ(table, quiet.transcript.str());
}

TEST_F(BotChatTest, ABotThatHasLeftSaysNothingMore) {
  GameConfig config = TestConfig();
  config.bot_chat = 1;
  config.phrases = TestPhrases();
  config.bot_leaves = BotLeave{1, 1};
  config.bot_chat_earliest_ms = config.bot_chat_latest_ms = 5000;
  StartServer(config);
  Person& me = Join("abc");
  Ready(me);
  ASSERT_TRUE(RunUntil([&] { return me.Count(21) == 1; }));
  Advance(config.bot_chat_latest_ms);

  EXPECT_EQ(me.Count(19), 2u) << "the two bots still here";
  for (const Frame& f : me.OfType(19)) {
    EXPECT_NE(GbkText(f, 16, 200).rfind("李白", 0), 0u) << "bot1 has gone";
  }
}

class ChatAtAGameTest : public GameFixture {};

TEST_F(ChatAtAGameTest, BotsAndHeldSeatsHearNothingAndAPrivateLineToThemReachesTheSpeaker) {
  GameConfig config = TestConfig();
  config.bot_chat = 0;
  StartServer(config);
  Person& ann = Join("ann");
  Person& bob = Join("bob");
  Ready(ann);
  Ready(bob);
  ASSERT_TRUE(RunUntil([&] { return Table().hand_running; }));
  Disconnect(bob);
  ASSERT_TRUE(Table().seats[1]->held);
  ASSERT_TRUE(Table().seats[2]->bot);
  const std::size_t log_before = log.str().size();

  for (const int target : {0x00, 0x02, 0x04}) {
    const std::size_t before = ann.frames.size();
    Send(ann, ChatFrom(ann.seat_code, "hello", static_cast<std::uint8_t>(target)));
    ASSERT_EQ(ann.frames.size(), before + 1) << "target " << target;
    EXPECT_EQ(ann.frames.back()[3], 19);
  }
  net::g_sChatText.clear();
  EXPECT_EQ(server->Stats().ignored, 0);
  EXPECT_EQ(log.str().find("send conn=2", log_before), std::string::npos) << log.str();
}

}  // namespace
}  // namespace tlj::server::testing
