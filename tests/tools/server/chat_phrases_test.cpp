// The bots' phrase file: the lines of [chat1] and [chat2] as the INI readers find them, in GBK.

#include "tools/server/chat_phrases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "core/text/ansi.h"
#include "sim/temp_dir.h"

namespace tlj::server {

void PrintTo(const Phrase& phrase, std::ostream* out) {
  *out << phrase.line << "=" << phrase.text;
}

namespace testing {
namespace {

std::string Gbk(const std::string& utf8) {
  const auto gbk = text::Utf8ToAnsi(utf8);
  EXPECT_TRUE(gbk.has_value()) << utf8;
  return gbk.value_or("");
}

struct PhraseCase {
  const char* name;
  std::string file;  // UTF-8, read as GBK
  std::vector<Phrase> quick;
  std::vector<Phrase> voice;
  friend void PrintTo(const PhraseCase& c, std::ostream* out) { *out << c.name; }
};

class PhraseFileTest : public ::testing::TestWithParam<PhraseCase> {};

TEST_P(PhraseFileTest, ListsTheLinesOfBothSections) {
  const ChatPhrases phrases = ParsePhrases(Gbk(GetParam().file));
  EXPECT_EQ(phrases.quick, GetParam().quick);
  EXPECT_EQ(phrases.voice, GetParam().voice);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PhraseFileTest,
    ::testing::Values(
        PhraseCase{"BothSections",
                   "[chat1]\r\nnum=2\r\n1=大家好！\r\n2=快点吧\r\n[chat2]\r\nnum=1\r\n1=好牌！\r\n",
                   {{1, "大家好！"}, {2, "快点吧"}},
                   {{1, "好牌！"}}},
        PhraseCase{"NamesWithoutRegardToCaseOrSpaces",
                   "; the quick ones\n[ CHAT1 ]\nNum = 2\n 1 =  你好 \n;2=left out\n2=bye",
                   {{1, "你好"}, {2, "bye"}},
                   {}},
        PhraseCase{"AnEmptyLineIsLeftOutAndTheOthersKeepTheirNumbers",
                   "[chat2]\nnum=3\n1=\n2=  \n3=再见\n",
                   {},
                   {{3, "再见"}}},
        PhraseCase{"NoMoreLinesThanNum", "[chat1]\nnum=1\n1=a\n2=b\n", {{1, "a"}}, {}},
        PhraseCase{"NumFromItsLeadingDigits",
                   "[chat1]\nnum=2 lines\n1=a\n2=b\n",
                   {{1, "a"}, {2, "b"}},
                   {}},
        PhraseCase{"NoNumNoLines", "[chat1]\n1=a\n[chat2]\nnum=x\n1=b\n", {}, {}},
        PhraseCase{"TheFirstOfARepeatedKeyOrSection",
                   "[chat1]\nnum=1\n1=first\n1=second\n[chat1]\nnum=2\n2=third\n",
                   {{1, "first"}},
                   {}},
        PhraseCase{"KeysCountOnlyInTheirSection",
                   "num=1\n1=a\n[other]\nnum=1\n1=b\n[chat2]\nnum=1\n1=c\n",
                   {},
                   {{1, "c"}}},
        PhraseCase{"NoSectionsNoLines", "", {}, {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PhraseFileLimitTest, ASectionHoldsAtMostAThousandLines) {
  std::string file = "[chat1]\nnum=99999999999999999999\n";
  for (int line = 1; line <= 1001; ++line) file += std::to_string(line) + "=x\n";
  const ChatPhrases phrases = ParsePhrases(file);
  ASSERT_EQ(phrases.quick.size(), 1000u);
  EXPECT_EQ(phrases.quick.back().line, 1000);
}

TEST(PhraseFileReadTest, ReadsAGbkFileAndNothingWhereThereIsNone) {
  sim::TempDir dir;
  const auto file = dir.path() / "chat.txt";
  std::ofstream(file, std::ios::binary) << Gbk("[chat2]\r\nnum=1\r\n1=彩池归我了！\r\n");

  const auto phrases = ReadPhrasesFile(file);
  ASSERT_TRUE(phrases);
  EXPECT_TRUE(phrases->quick.empty());
  EXPECT_EQ(phrases->voice, (std::vector<Phrase>{{1, "彩池归我了！"}}));
  EXPECT_FALSE(ReadPhrasesFile(dir.path() / "missing.txt"));
  EXPECT_FALSE(ReadPhrasesFile(dir.path())) << "a folder";
}

}  // namespace
}  // namespace testing
}  // namespace tlj::server
