#include "core/text/ansi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tlj::text {
namespace {

constexpr char32_t kBad = U'\uFFFD';

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u32string chars;
};

class DecodeUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(DecodeUtf8Test, DecodesOrReplacesEachBadByte) {
  EXPECT_EQ(DecodeUtf8(GetParam().utf8), GetParam().chars);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DecodeUtf8Test,
    ::testing::Values(Utf8Case{"OneToFourBytes",
                               "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80",
                               {U'a', U'\u00E9', U'\u4E2D', U'\U0001F600'}},
                      Utf8Case{"StrayContinuation",
                               "\x80"
                               "a",
                               {kBad, U'a'}},
                      Utf8Case{"TruncatedAtEnd", "\xE4\xB8", {kBad, kBad}},
                      Utf8Case{"LeadThenAscii",
                               "\xE4"
                               "a",
                               {kBad, U'a'}},
                      Utf8Case{"OverlongNul", "\xC0\x80", {kBad, kBad}},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
                      Utf8Case{"AboveMax", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
                      Utf8Case{"InvalidLead",
                               "\xFF"
                               "a",
                               {kBad, U'a'}}),
    [](const auto& p) { return p.param.name; });

TEST(EncodeUtf8Test, RoundTripsCharactersAndReplacesNonCharacters) {
  const std::u32string chars = {U'a', U'\u00E9', U'\u4E2D', U'\U0001F600'};
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(chars)), chars);
  EXPECT_EQ(EncodeUtf8(char32_t{0xD800}), "\xEF\xBF\xBD");
  EXPECT_EQ(EncodeUtf8(char32_t{0x110000}), "\xEF\xBF\xBD");
}

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
