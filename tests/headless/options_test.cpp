#include "headless/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tlj::headless {
namespace {

struct OptionsCase {
  std::vector<std::string> args;
  std::string command_line;
  int width = 1280;
  int height = 1024;
  bool help = false;
  bool headless = false;
};

TEST(OptionsTest, ReadsOptionsAndTheLobbyCommandLine) {
  const OptionsCase cases[] = {
      {{}, ""},
      {{"--headless", "a$b$"}, "a$b$", 1280, 1024, false, true},
      {{"a$b$"}, "a$b$"},
      {{"--headless", ""}, "", 1280, 1024, false, true},
      {{"--screen", "1024x768", "a$"}, "a$", 1024, 768},
      {{"a$", "--screen=800x600"}, "a$", 800, 600},
      {{"--help"}, "", 1280, 1024, true},
      {{"--", "--odd$", "--headless"}, "--odd$ --headless"},
      {{"acct$房间 一$", "0$"}, "acct$房间 一$ 0$"},
      // What is not one of our options is the lobby's, whatever it begins with.
      {{"-ab$secret$"}, "-ab$secret$"},
      {{"--headless", "-ab$secret$", "--screen=800x600"}, "-ab$secret$", 800, 600, false, true},
      {{"-x"}, "-x"},
      {{"-"}, "-"},
      {{"--frobnicate", "a$"}, "--frobnicate a$"},
      {{"--", "--screen", "1x1", "--help", "--"}, "--screen 1x1 --help --"},
      {{"-h$pw$", "--"}, "-h$pw$"},
  };
  for (const auto& c : cases) {
    const ParsedOptions parsed = ParseOptions(c.args);
    SCOPED_TRACE(c.command_line);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.command_line, c.command_line);
    EXPECT_EQ(parsed.options.screen_width, c.width);
    EXPECT_EQ(parsed.options.screen_height, c.height);
    EXPECT_EQ(parsed.help, c.help);
    EXPECT_EQ(parsed.options.headless, c.headless);
  }
}

TEST(OptionsTest, RefusesWhatItCannotUse) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--screen"}, "--screen needs a size such as 1024x768"},
      {{"-ab$", "--screen"}, "--screen needs a size such as 1024x768"},
      {{"--screen", "big"}, "--screen needs a size such as 1024x768, not 'big'"},
      {{"--screen", "0x768"}, "--screen needs a size such as 1024x768, not '0x768'"},
      {{"--screen=1024x"}, "--screen needs a size such as 1024x768, not '1024x'"},
      {{"--screen", "1024x768x2"}, "--screen needs a size such as 1024x768, not '1024x768x2'"},
  };
  for (const auto& [args, error] : cases) EXPECT_EQ(ParseOptions(args).error, error);
}

}  // namespace
}  // namespace tlj::headless
