#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "posix/window_directory.h"
#include "posix/window_message.h"

namespace tlj::posix {
namespace {

struct TitleCase {
  std::string title;
  std::string file;
};

TEST(WindowFileNameTest, EscapesOnlyPercentAndSlash) {
  const TitleCase cases[] = {
      {"星湖山庄", "星湖山庄.win"},
      {"铜炉局 - 房间一", "铜炉局 - 房间一.win"},
      {"100%", "100%25.win"},
      {"a/b", "a%2Fb.win"},
      {"%2F", "%252F.win"},
      {"../x", "..%2Fx.win"},
      {"", ".win"},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowFileName(c.title), c.file) << c.title;
}

struct ParseCase {
  const char* datagram;
  std::optional<WindowMessage> message;
};

TEST(WindowMessageTest, ParsesOnlyThreeDecimalFields) {
  const ParseCase cases[] = {
      {"771 0 0", WindowMessage{771, 0, 0}},
      {"274 61728 0", WindowMessage{274, 61728, 0}},
      {"22 0 0\n", WindowMessage{22, 0, 0}},
      {"-1 -2 -3", WindowMessage{-1, -2, -3}},
      {"", std::nullopt},
      {"771", std::nullopt},
      {"771 0", std::nullopt},
      {"771 0 0 0", std::nullopt},
      {"771  0 0", std::nullopt},
      {" 771 0 0", std::nullopt},
      {"771 0 0\n\n", std::nullopt},
      {"+771 0 0", std::nullopt},
      {"77l 0 0", std::nullopt},
      {"771 0 0x", std::nullopt},
      {"99999999999 0 0", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWindowMessage(c.datagram), c.message) << c.datagram;
}

TEST(WindowMessageTest, FormatsAsTheParserReads) {
  EXPECT_EQ(FormatWindowMessage({274, 61472, 0}), "274 61472 0");
  EXPECT_EQ(ParseWindowMessage(FormatWindowMessage({1125, -7, 99})), (WindowMessage{1125, -7, 99}));
}

class WindowDirectoryEnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) Set(name, value);
  }
  static void Set(const char* name, const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }

  static constexpr const char* kNames[] = {"TLJ_RUNTIME_DIR", "XDG_RUNTIME_DIR"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct EnvironmentCase {
  std::optional<std::string> own;
  std::optional<std::string> runtime;
  std::string folder;
};

TEST_F(WindowDirectoryEnvironmentTest, PrefersOwnVariableThenRuntimeFolderThenTmp) {
  const std::string fallback = "/tmp/tlj-" + std::to_string(getuid());
  const EnvironmentCase cases[] = {
      {"/srv/win", "/run/user/7", "/srv/win"},          {"", "/run/user/7", "/run/user/7/tlj"},
      {std::nullopt, "/run/user/7", "/run/user/7/tlj"}, {std::nullopt, "", fallback},
      {std::nullopt, std::nullopt, fallback},
  };
  for (const auto& c : cases) {
    Set("TLJ_RUNTIME_DIR", c.own);
    Set("XDG_RUNTIME_DIR", c.runtime);
    EXPECT_EQ(WindowDirectoryFromEnvironment(), c.folder);
  }
}

}  // namespace
}  // namespace tlj::posix
