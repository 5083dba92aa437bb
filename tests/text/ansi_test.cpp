#include "core/text/ansi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tlj::text {
namespace {

constexpr char32_t kBad = U'\uFFFD';

struct CodeCase {
  const char* name;
  char32_t c;
  std::optional<std::uint16_t> code;
};

class AnsiCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(AnsiCodeTest, GivesTheCodeOrQuestionMark) {
  EXPECT_EQ(FindAnsiCode(GetParam().c), GetParam().code);
  EXPECT_EQ(AnsiCode(GetParam().c), GetParam().code.value_or(u'?'));
}

INSTANTIATE_TEST_SUITE_P(Characters, AnsiCodeTest,
                         ::testing::Values(CodeCase{"Ascii", U'A', 0x41}, CodeCase{"Nul", U'\0', 0},
                                           CodeCase{"Chinese", U'\u4E2D', 0xD6D0},
                                           CodeCase{"Emoji", U'\U0001F600', std::nullopt},
                                           CodeCase{"Replacement", kBad, std::nullopt}),
                         [](const auto& p) { return p.param.name; });

TEST(Utf8ToAnsiTest, ConvertsWholeTextOrNothing) {
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD\xE6\x96\x87"
                       "a"),
            "\xD6\xD0\xCE\xC4"
            "a");
  EXPECT_EQ(Utf8ToAnsi("a\xF0\x9F\x98\x80"), std::nullopt);
  EXPECT_EQ(Utf8ToAnsi("a\xC0\x80"), std::nullopt);
}

struct AnsiCase {
  const char* name;
  std::string ansi;
  std::string utf8;
};

class AnsiToUtf8Test : public ::testing::TestWithParam<AnsiCase> {};

TEST_P(AnsiToUtf8Test, DecodesAndResynchronises) {
  EXPECT_EQ(AnsiToUtf8(GetParam().ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Bytes, AnsiToUtf8Test,
                         ::testing::Values(AnsiCase{"Mixed",
                                                    "a\xD6\xD0"
                                                    "b",
                                                    "a\xE4\xB8\xAD"
                                                    "b"},
                                           AnsiCase{"LoneLeadAtEnd", "a\xD6", "a\xEF\xBF\xBD"},
                                           AnsiCase{"LeadWithoutTrail",
                                                    "\xD6"
                                                    "0",
                                                    "\xEF\xBF\xBD"
                                                    "0"},
                                           AnsiCase{"NeverALead",
                                                    "\xFF"
                                                    "a",
                                                    "\xEF\xBF\xBD"
                                                    "a"}),
                         [](const auto& p) { return p.param.name; });

struct PairCase {
  const char* name;
  std::uint8_t lead;
  std::uint8_t trail;
  char32_t c;
};

class AnsiPairCharTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(AnsiPairCharTest, IsOneCharacterOrReplacement) {
  EXPECT_EQ(AnsiPairChar(GetParam().lead, GetParam().trail), GetParam().c);
}

INSTANTIATE_TEST_SUITE_P(Pairs, AnsiPairCharTest,
                         ::testing::Values(PairCase{"Chinese", 0xD6, 0xD0, U'\u4E2D'},
                                           PairCase{"IdeographicSpace", 0xA1, 0xA1, U'\u3000'},
                                           PairCase{"TwoAsciiBytes", 0x41, 0x42, kBad},
                                           PairCase{"ZeroTrail", 0xD6, 0x00, kBad},
                                           PairCase{"AsciiTrail", 0xD6, 0x30, kBad},
                                           PairCase{"SingleByteFirst", 0x80, 0xD6, kBad},
                                           PairCase{"NeverALead", 0xFF, 0xA1, kBad}),
                         [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace tlj::text
