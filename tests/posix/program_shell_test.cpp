// The shell the three programs share: --help and arguments that cannot be used, word for word.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "headless/options.h"
#include "tests/support/tool_programs.h"
#include "tools/lobby/options.h"
#include "tools/server/options.h"

namespace tlj::tools::testing {
namespace {

constexpr platform::TimeMs kGenerous = 10'000;

struct ProgramCase {
  const char* name;
  const char* usage;
  const char* unusable;  // an argument the program refuses
  const char* error;     // and what it says about it
  friend void PrintTo(const ProgramCase& c, std::ostream* out) { *out << c.name; }
};

class ProgramShellTest : public ProgramTest, public ::testing::WithParamInterface<ProgramCase> {
 protected:
  std::unique_ptr<posix::ChildProcess> Run(const std::string& arg) {
    posix::ChildProcess::Options options;
    options.args = {arg};
    auto program = Start(GetParam().name, options);
    EXPECT_TRUE(WaitForExit(*program, kGenerous)) << GetParam().name << " did not end";
    return program;
  }
};

TEST_P(ProgramShellTest, HelpPrintsTheUsageAndEndsWithZero) {
  const auto program = Run("--help");
  EXPECT_EQ(program->ExitCode(), 0);
  EXPECT_EQ(program->Stdout(), GetParam().usage);
  EXPECT_EQ(program->Stderr(), "");
}

TEST_P(ProgramShellTest, AnUnusableArgumentEndsWithTwoAndAPointerToTheHelp) {
  const auto program = Run(GetParam().unusable);
  EXPECT_EQ(program->ExitCode(), 2);
  EXPECT_EQ(program->Stdout(), "");
  const std::string name = GetParam().name;
  EXPECT_EQ(program->Stderr(), name + ": " + GetParam().error + "\nTry '" + name + " --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramShellTest,
    // The client takes what is not its option for the lobby's line.
    ::testing::Values(ProgramCase{"tlj", headless::Usage(), "--screen",
                                  "--screen needs a size such as 1024x768"},
                      ProgramCase{"tlj-server", server::Usage(), "--no-such-option",
                                  "unknown option '--no-such-option'"},
                      ProgramCase{"tlj-lobby", lobby_tool::Usage(), "--no-such-option",
                                  "unknown option '--no-such-option'"}),
    [](const auto& test) {
      std::string name = test.param.name;
      std::erase(name, '-');
      return name;
    });

}  // namespace
}  // namespace tlj::tools::testing
