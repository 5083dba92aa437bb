#include "core/platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace tlj::platform {
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

}  // namespace
}  // namespace tlj::platform
