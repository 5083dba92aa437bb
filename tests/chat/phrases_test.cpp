// The phrase window: its lists from the phrase file, opening and switching, sending quick and
// voice phrases, the voice clips, and the bubble at the speaker's place.

#include "core/chat/phrases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/view/sound.h"
#include "tests/chat/chat_fixture.h"

namespace tlj::testing {
namespace {

class PhrasesTest : public ChatFixture {
 protected:
  std::vector<std::string> List(const char* name) { return h.tree.El("huifu", name).lines; }
  // On the window as the user sees it: loaded, its lists read.
  void DoubleClick(const char* list, int line) {
    h.tree.Win("huifu");
    platform::ElementEvent event;
    event.window = "huifu";
    event.name = list;
    event.kind = platform::EventKind::DblClick;
    event.line = line;
    h.tree.Fire(event);
  }
  bool Shows(const char* list) {
    return h.tree.Win("huifu").visible && h.tree.El("huifu", list).visible;
  }
  const platform::Window& Bubble(int p) { return *h.tree.FindWin("speak" + std::to_string(p)); }
};

struct PhraseFile {
  const char* name;
  std::string contents;  // UTF-8, written in GBK
  std::vector<std::string> quick;
};

class PhraseFileTest : public PhrasesTest, public ::testing::WithParamInterface<PhraseFile> {};

TEST_P(PhraseFileTest, TheQuickListHoldsWhatCanBeRead) {
  WritePhraseFile(GetParam().contents);
  EXPECT_EQ(List("List1"), GetParam().quick);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PhraseFileTest,
    ::testing::Values(
        PhraseFile{"MissingKeyIsAnEmptyLine", "[chat1]\nnum=3\n1=甲\n3=丙\n", {"甲", "", "丙"}},
        PhraseFile{"RoundsUp", "[chat1]\nnum=2.6\n1=a\n2=b\n3=c\n", {"a", "b", "c"}},
        PhraseFile{"HalfGoesToTheEvenNeighbour", "[chat1]\nnum=2.5\n1=a\n2=b\n3=c\n", {"a", "b"}},
        PhraseFile{"NotANumber", "[chat1]\nnum=many\n1=a\n", {}},
        PhraseFile{"HexIsNotDecimal", "[chat1]\nnum=0x2\n1=a\n2=b\n", {}},
        PhraseFile{"TextAfterTheNumber", "[chat1]\nnum=2 phrases\n1=a\n2=b\n3=c\n", {"a", "b"}},
        PhraseFile{"PlusSign", "[chat1]\nnum=+1\n1=a\n", {"a"}},
        PhraseFile{"Negative", "[chat1]\nnum=-4\n1=a\n", {}},
        PhraseFile{"NoCount", "[chat1]\n1=a\n", {}}, PhraseFile{"EmptyFile", "", {}}),
    [](const auto& p) { return p.param.name; });

TEST_F(PhrasesTest, AHugeCountReadsAThousandLines) {
  WritePhraseFile("[chat1]\nnum=99999999\n1=a\n[chat2]\nnum=1e300\n");
  EXPECT_EQ(List("List1").size(), 1000u);
  EXPECT_EQ(List("List1")[0], "a");
  EXPECT_EQ(List("List2").size(), 1000u);
}

TEST_F(PhrasesTest, NoFileLeavesBothListsEmptyAndDoubleClicksSendNothing) {
  EXPECT_TRUE(List("List1").empty());
  EXPECT_TRUE(List("List2").empty());
  DoubleClick("List1", 0);
  DoubleClick("List2", 0);
  h.RunFor(100);
  EXPECT_TRUE(ChatSent().empty());
}

TEST_F(PhrasesTest, BytesThatAreNotGbkStillGiveTheirLines) {
  WritePhraseBytes("[chat1]\nnum=2\n1=\xFF\xFF ok\n2=fine\n");
  const auto quick = List("List1");
  ASSERT_EQ(quick.size(), 2u);
  EXPECT_NE(quick[0].find("ok"), std::string::npos);
  EXPECT_EQ(quick[1], "fine");
}

TEST_F(PhrasesTest, TheButtonsOpenSwitchAndClose) {
  Click("imgword1");
  EXPECT_TRUE(Shows("List1"));
  EXPECT_FALSE(h.tree.El("huifu", "List2").visible);
  Click("imgword2");
  EXPECT_TRUE(Shows("List2"));
  EXPECT_FALSE(h.tree.El("huifu", "List1").visible);
  Click("imgword2");
  EXPECT_FALSE(h.tree.Win("huifu").visible);
}

TEST_F(PhrasesTest, OpeningThePhrasesHidesTheHistory) {
  Click("AnNiu", 1);
  ASSERT_TRUE(h.tree.Win("Talk").visible);
  Click("imgword1");
  EXPECT_FALSE(h.tree.Win("Talk").visible);
}

TEST_F(PhrasesTest, TheButtonsShowTheirHoverPicturesUntilThePointerLeaves) {
  Move("imgword1");
  Move("imgword2");
  EXPECT_EQ(h.El("imgword1").picture, 508);
  EXPECT_EQ(h.El("imgword2").picture, 509);
  Move("imgLocation");
  EXPECT_EQ(h.El("imgword1").picture, 506);
  EXPECT_EQ(h.El("imgword2").picture, 507);
}

TEST_F(PhrasesTest, AQuickPhraseTravelsWithItsNumberAndTheTypedTextIsDropped) {
  WritePhraseFile(kPhrases);
  Type("typed");
  Click("imgword1");
  DoubleClick("List1", 1);
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kPhraseListAt], 1);
  EXPECT_EQ(sent[0][net::chat::kPhraseLineAt], 2);
  EXPECT_EQ(sent[0][net::chat::kClipLetterAt], 0);
  EXPECT_EQ(TextOf(sent[0]), "abc说道： 快点吧");
  EXPECT_EQ(ChatBox(), "");
  EXPECT_FALSE(h.tree.Win("huifu").visible);
  EXPECT_TRUE(Played().empty());
}

TEST_F(PhrasesTest, AVoicePhrasePlaysTheUsersClip) {
  WritePhraseFile(kPhrases);
  view::g_bSound = false;  // voices play with the event sounds off
  DoubleClick("List2", 0);
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kPhraseListAt], 2);
  EXPECT_EQ(sent[0][net::chat::kPhraseLineAt], 1);
  EXPECT_EQ(sent[0][net::chat::kClipLetterAt], 97);
  EXPECT_EQ(sent[0][net::chat::kClipNumberAt], 0);
  EXPECT_EQ(TextOf(sent[0]), "abc说道： 再见");
  EXPECT_EQ(Played(), std::vector<std::string>{"v000110a0.wav"});
}

TEST_F(PhrasesTest, AVoicePhraseToAPrivateTargetCarriesThePhraseAlone) {
  WritePhraseFile(kPhrases);
  Click("Tou", 2);
  DoubleClick("List2", 0);
  h.RunFor(100);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0][net::chat::kTargetAt], 4);
  EXPECT_EQ(TextOf(sent[0]), "再见");
  EXPECT_EQ(Played(), std::vector<std::string>{"v000110a0.wav"});
}

TEST_F(PhrasesTest, APhraseBeyondLine255GoesAsAPlainLine) {
  std::string file = "[chat1]\nnum=300\n";
  for (int k = 1; k <= 300; ++k) file += std::to_string(k) + "=p" + std::to_string(k) + "\n";
  WritePhraseFile(file);
  DoubleClick("List1", 254);
  DoubleClick("List1", 255);
  h.RunFor(200);
  const auto sent = ChatSent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0][net::chat::kPhraseListAt], 1);
  EXPECT_EQ(sent[0][net::chat::kPhraseLineAt], 255);
  EXPECT_EQ(sent[1][net::chat::kPhraseListAt], 0);
  EXPECT_EQ(sent[1][net::chat::kPhraseLineAt], 0);
  EXPECT_EQ(TextOf(sent[1]), "abc说道： p256");
}

TEST_F(PhrasesTest, PhrasesAreNotRateLimitedAndGoOutForSpectators) {
  WritePhraseFile(kPhrases);
  model::g_bSpectator = true;
  for (int k = 0; k < 3; ++k) DoubleClick("List1", 0);
  h.RunFor(200);
  EXPECT_EQ(ChatSent().size(), 3u);
}

TEST_F(PhrasesTest, AReceivedVoicePhrasePlaysTheSendersClipAndShowsTheBubble) {
  WritePhraseFile(kPhrases);
  view::g_bSound = false;
  Send(ChatFrame({.seat = 4, .text = "cat说道： 再见", .list = 2, .line = 1, .clip_letter = 'a'}),
       100);
  EXPECT_EQ(Played(), std::vector<std::string>{"v000110a0.wav"});
  const auto& bubble = Bubble(2);
  EXPECT_TRUE(bubble.visible);
  EXPECT_EQ(h.tree.El("speak2", "labPhrase").caption, "再见");
}

struct Clip {
  const char* name;
  const char* voice_set;
  const char* voice_kind;
  std::uint8_t sex;
  char letter;
  int number;
  const char* file;
};

class VoiceClipNameTest : public ::testing::TestWithParam<Clip> {};

TEST_P(VoiceClipNameTest, NamesTheFileOrNothing) {
  model::PlayerProfile player;
  player.voiceSet = GetParam().voice_set;
  player.voiceKind = GetParam().voice_kind;
  player.sex = GetParam().sex;
  EXPECT_EQ(chat::VoiceClipName(player, GetParam().letter, GetParam().number), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Names, VoiceClipNameTest,
    ::testing::Values(Clip{"Example", "01", "02", 1, 'a', 0, "v010210a0.wav"},
                      Clip{"Woman", "00", "01", 0, 'a', 0, "v000100a0.wav"},
                      Clip{"OtherClip", "00", "01", 1, 'b', 12, "v000110b12.wav"},
                      Clip{"LetterOutOfTheFolder", "00", "01", 1, '/', 0, ""},
                      Clip{"NulLetter", "00", "01", 1, '\0', 0, ""},
                      Clip{"VoiceSetOutOfTheFolder", "../..", "01", 1, 'a', 0, ""}),
    [](const auto& p) { return p.param.name; });

struct BadPhrase {
  const char* name;
  ChatLine line;
};

class BadPhraseTest : public PhrasesTest, public ::testing::WithParamInterface<BadPhrase> {};

TEST_P(BadPhraseTest, ShowsTheLineButNoBubble) {
  WritePhraseFile(kPhrases);
  Send(ChatFrame(GetParam().line), 100);
  EXPECT_FALSE(h.Ended());
  EXPECT_EQ(History().size(), 1u);
  for (int p = 0; p < 4; ++p) EXPECT_FALSE(h.tree.FindWin("speak" + std::to_string(p))->loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, BadPhraseTest,
    ::testing::Values(BadPhrase{"LineZero", {.text = "x", .list = 1, .line = 0}},
                      BadPhrase{"LinePastTheList", {.text = "x", .list = 1, .line = 3}},
                      BadPhrase{"LinePastTheVoiceList", {.text = "x", .list = 2, .line = 200}},
                      BadPhrase{"UnknownList", {.text = "x", .list = 7, .line = 1}}),
    [](const auto& p) { return p.param.name; });

TEST_F(PhrasesTest, NoBubbleWhileTheTableIsMinimised) {
  WritePhraseFile(kPhrases);
  h.tree.Win("MainForm").minimized = true;
  Send(ChatFrame({.seat = 2, .text = "bob说道： 你好", .list = 1, .line = 1}), 100);
  EXPECT_FALSE(h.tree.FindWin("speak1")->loaded);
  EXPECT_EQ(History().size(), 1u);
}

}  // namespace
}  // namespace tlj::testing
