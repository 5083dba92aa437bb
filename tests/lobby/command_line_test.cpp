#include "core/lobby/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace tlj::lobby {
namespace {

struct OwnTitleCase {
  const char* field11;
  bool own_titles;
};

class OwnTitleFlag : public ::testing::TestWithParam<OwnTitleCase> {};

TEST_P(OwnTitleFlag, IsReadFromTheLeadingDigits) {
  const std::string text =
      std::string("a$p$1.2.3.4$5000$room$0$$$$$") + GetParam().field11 + "$lobby$table$";
  const auto parsed = ParseCommandLine(text);
  ASSERT_TRUE(parsed.line);
  EXPECT_EQ(parsed.line->own_titles, GetParam().own_titles) << GetParam().field11;
}

INSTANTIATE_TEST_SUITE_P(Field11, OwnTitleFlag,
                         ::testing::Values(OwnTitleCase{"1", true}, OwnTitleCase{"1.0", true},
                                           OwnTitleCase{"01", true}, OwnTitleCase{"1abc", true},
                                           OwnTitleCase{" 1", true}, OwnTitleCase{"2", false},
                                           OwnTitleCase{"", false}, OwnTitleCase{"abc", false},
                                           OwnTitleCase{"11", false}));

TEST(CommandLine, ReadsThirteenFieldsAndIgnoresWhatFollows) {
  const auto parsed = ParseCommandLine("  acct$pw$1.2.3.4$5000$房间一$0$$$$$0$$$extra$more$  ");
  ASSERT_TRUE(parsed.line);
  const CommandLine& line = *parsed.line;
  EXPECT_EQ(line.Field(1), "acct");
  EXPECT_EQ(line.Field(2), "pw");
  EXPECT_EQ(line.Field(3), "1.2.3.4");
  EXPECT_EQ(line.server_port, 5000);
  EXPECT_EQ(line.Field(5), "房间一");
  EXPECT_EQ(line.proxy_type, 0);
  EXPECT_FALSE(line.own_titles);
  EXPECT_FALSE(line.spectator);
}

TEST(CommandLine, BlanksAloneAreAnEmptyLine) {
  for (const char* text : {"", "   ", " \t "}) {
    const auto parsed = ParseCommandLine(text);
    EXPECT_FALSE(parsed.line);
    EXPECT_EQ(parsed.error, CommandLineError::Empty) << '"' << text << '"';
  }
}

TEST(CommandLine, MalformedLinesFail) {
  const char* cases[] = {
      "a$p$h$5000$room$0$$$$$0$$",         // twelve fields
      "a$p$h$$room$0$$$$$0$$$",            // empty port
      "a$p$h$port$room$0$$$$$0$$$",        // non-numeric port
      "a$p$h$40000$room$0$$$$$0$$$",       // port beyond 16 bits
      "a$p$h$5000$room$x$$$$$0$$$",        // non-numeric proxy type
      "a$p$h$5000$room$5$ph$9x$$$0$$$",    // non-numeric proxy port
      "a$p$h$5000$room$5$ph$$$$0$$$",      // a proxy without a port
      "a$p$h$5000$room$5$ph$0x10$$$0$$$",  // hexadecimal is no decimal number
      "a$p$h$5000$room$5$ph$nan$$$0$$$",   // nor is "nan"
  };
  for (const char* text : cases) {
    const auto parsed = ParseCommandLine(text);
    EXPECT_FALSE(parsed.line) << text;
    EXPECT_EQ(parsed.error, CommandLineError::Malformed) << text;
  }
}

TEST(CommandLine, ProxyCredentialsAreLimitedTo255Characters) {
  const std::string ok(255, 'u');
  const std::string long_one(256, 'u');
  EXPECT_TRUE(ParseCommandLine("a$p$h$1$r$5$ph$1080$" + ok + "$" + ok + "$0$$$").line);
  EXPECT_FALSE(ParseCommandLine("a$p$h$1$r$5$ph$1080$" + long_one + "$pw$0$$$").line);
  EXPECT_FALSE(ParseCommandLine("a$p$h$1$r$5$ph$1080$u$" + long_one + "$0$$$").line);
}

TEST(CommandLine, IntegerFieldsRoundFractionsToTheNearestEven) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"5000", 5000},   {" 5000 ", 5000},   {"5000.4", 5000}, {"5000.5", 5000},
               {"5001.5", 5002}, {"-32768", -32768}, {"32767", 32767}, {"1e3", 1000}};
  for (const auto& c : cases) {
    const auto v = ToInt16(c.text);
    ASSERT_TRUE(v) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
  for (const char* bad : {"32768", "-32769", "", " ", "12abc", "inf"})
    EXPECT_FALSE(ToInt16(bad)) << bad;
}

TEST(CommandLine, ASpectatorLineEndsWithTheSeatNumber) {
  const auto parsed = ParseCommandLine("a$p$1.2.3.4$5000$room$3");
  ASSERT_TRUE(parsed.line);
  EXPECT_TRUE(parsed.line->spectator);
  EXPECT_EQ(parsed.line->seat_word, 3);
  EXPECT_EQ(parsed.line->server_port, 5000);
  EXPECT_EQ(parsed.line->proxy_type, 0);
  EXPECT_FALSE(ParseCommandLine("a$p$1.2.3.4$5000$room$x").line);
}

TEST(CommandLine, MaskingHidesBothPasswords) {
  const auto parsed = ParseCommandLine("acct$secret1$h$1$r$5$ph$1080$user$secret2$0$$$");
  ASSERT_TRUE(parsed.line);
  const std::string masked = MaskedCommandLine(*parsed.line);
  EXPECT_EQ(masked.find("secret"), std::string::npos) << masked;
  EXPECT_NE(masked.find("acct"), std::string::npos);
  EXPECT_NE(masked.find("user"), std::string::npos);
}

}  // namespace
}  // namespace tlj::lobby
