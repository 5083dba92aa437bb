// tlj-lobby's command line.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tools/lobby/options.h"

namespace tlj::lobby_tool {
namespace {

struct OptionsCase {
  const char* name;
  std::vector<std::string> args;
  const char* error;  // "" when the arguments are good
  int games;
  const char* seed;
  const char* title = "";
  friend void PrintTo(const OptionsCase& c, std::ostream* out) { *out << c.name; }
};

class LobbyOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(LobbyOptionsTest, ReadsTheDemosOrTheWindowsOptions) {
  const OptionsCase& c = GetParam();
  const ParsedOptions parsed = ParseOptions(c.args);
  EXPECT_EQ(parsed.error, c.error);
  if (parsed.error.empty()) {
    EXPECT_EQ(parsed.options.games, c.games);
    EXPECT_EQ(parsed.options.seed, c.seed);
    EXPECT_EQ(parsed.options.title, c.title);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LobbyOptionsTest,
    ::testing::Values(
        OptionsCase{"Defaults", {"--demo"}, "", 1, ""},
        OptionsCase{"GamesAndSeed", {"--demo", "--games", "3", "--seed", "007"}, "", 3, "7"},
        OptionsCase{"NoGames",
                    {"--demo", "--games", "0"},
                    "the games must be a whole number from 1 to 1000, not '0'",
                    0,
                    ""},
        OptionsCase{"TooManyGames",
                    {"--demo", "--games", "1001"},
                    "the games must be a whole number from 1 to 1000, not '1001'",
                    0,
                    ""},
        OptionsCase{"WordForASeed",
                    {"--demo", "--seed", "abc"},
                    "the seed must be a whole number, not 'abc'",
                    0,
                    ""},
        OptionsCase{
            "SeedWithoutValue", {"--demo", "--seed"}, "option '--seed' needs a value", 0, ""},
        OptionsCase{
            "SecondsAreGone", {"--demo", "--seconds", "6"}, "unknown option '--seconds'", 0, ""},
        // Without --demo: the window, under the lobby's title or one of the tester's.
        OptionsCase{"Window", {}, "", 1, ""},
        OptionsCase{"WindowWithTitle", {"--title", "别的大厅"}, "", 1, "", "别的大厅"},
        OptionsCase{"EmptyTitle", {"--title", ""}, "the title must not be empty", 0, ""},
        OptionsCase{"TitleForTheDemo",
                    {"--demo", "--title", "别的大厅"},
                    "'--title' is for the window, not --demo",
                    0,
                    ""},
        OptionsCase{"GamesForTheWindow", {"--games", "3"}, "'--games' goes with --demo", 0, ""},
        OptionsCase{"HeadlessForTheWindow",
                    {"--client", "/x/tlj", "--headless"},
                    "'--headless' goes with --demo",
                    0,
                    ""},
        // A title may look like an option.
        OptionsCase{"TitleLikeAnOption", {"--title", "--seed"}, "", 1, "", "--seed"}),
    [](const auto& test) { return std::string(test.param.name); });

struct ProxyCase {
  const char* name;
  const char* text;
  const char* error;  // "" when the proxy is good
  DemoProxy proxy;
  friend void PrintTo(const ProxyCase& c, std::ostream* out) { *out << c.name; }
};

class DemoProxyTest : public ::testing::TestWithParam<ProxyCase> {};

TEST_P(DemoProxyTest, ReadsHostPortAndCredentials) {
  const ProxyCase& c = GetParam();
  const ParsedOptions parsed = ParseOptions({"--demo", "--proxy", c.text});
  EXPECT_EQ(parsed.error, c.error);
  if (!parsed.error.empty()) return;
  ASSERT_TRUE(parsed.options.proxy.has_value());
  EXPECT_EQ(parsed.options.proxy->host, c.proxy.host);
  EXPECT_EQ(parsed.options.proxy->port, c.proxy.port);
  EXPECT_EQ(parsed.options.proxy->user, c.proxy.user);
  EXPECT_EQ(parsed.options.proxy->password, c.proxy.password);
}

constexpr const char* kBadAddress =
    "the proxy must be [USER:PASSWORD@]HOST:PORT with a port from 1 to 32767";

INSTANTIATE_TEST_SUITE_P(
    Proxies, DemoProxyTest,
    ::testing::Values(
        ProxyCase{"HostAndPort", "127.0.0.1:1080", "", {"127.0.0.1", 1080, "", ""}},
        ProxyCase{"Credentials", "u:p@proxy.example:1080", "", {"proxy.example", 1080, "u", "p"}},
        // The user ends at the first ':', the password at the last '@'.
        ProxyCase{"PasswordWithColonAndAt", "u:a:b@c@h:9", "", {"h", 9, "u", "a:b@c"}},
        ProxyCase{"NoPort", "127.0.0.1", kBadAddress, {}},
        ProxyCase{"PortAboveTheSeatsField", "h:32768", kBadAddress, {}},
        ProxyCase{"FieldEnd", "u:pa$s@h:1080", "the proxy must not contain '$'", {}},
        ProxyCase{"NoHost", ":1080", kBadAddress, {}},
        ProxyCase{"UserWithoutPassword",
                  "user@h:1080",
                  "the proxy's credentials must be USER:PASSWORD",
                  {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DemoProxyTest, GoesWithTheDemoOnly) {
  EXPECT_EQ(ParseOptions({"--proxy", "h:1"}).error, "'--proxy' goes with --demo");
}

}  // namespace
}  // namespace tlj::lobby_tool
