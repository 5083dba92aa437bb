// tlj-server as a program: where it listens, its accounts file, and a clean stop on SIGTERM.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>

#include "lobby/server_process.h"
#include "sim/temp_dir.h"
#include "tool_programs.h"

namespace tlj::tools::testing {
namespace {

constexpr platform::TimeMs kGenerous = 10'000;

class ServerProgramTest : public ProgramTest {};

TEST_F(ServerProgramTest, WarnsOfBadAccountLinesListensAndStopsCleanly) {
  sim::TempDir dir;
  const auto accounts = dir.path() / "accounts.txt";
  std::ofstream(accounts) << "# players\nalice:wonder\nbob-has-no-colon-secret\n";

  std::optional<lobby_tool::ListenAddress> address;
  posix::ChildProcess::Options options;
  options.args = {"--accounts", accounts.string(), "--port", "0"};
  options.on_stdout_line = [&](const std::string& line) {
    address = lobby_tool::ParseListeningLine(line);
  };
  auto server = Start("tlj-server", options);
  ASSERT_TRUE(RunUntil([&] { return address.has_value() || server->ExitCode(); }, kGenerous))
      << server->Stderr();
  ASSERT_TRUE(address) << server->Stdout() << server->Stderr();
  EXPECT_EQ(address->host, "127.0.0.1");
  EXPECT_GE(address->port, 20000);
  EXPECT_LE(address->port, 32767);

  EXPECT_EQ(server->Stop(std::chrono::milliseconds(kGenerous)), 0);
  EXPECT_EQ(server->Stderr(), "tlj-server: " + accounts.string() +
                                  ": line 3: no ':' between account and password, line ignored\n");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  int exit_code;
  const char* message;
  friend void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }
};

class ServerUsageTest : public ProgramTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(ServerUsageTest, RefusesWhatItCannotUse) {
  posix::ChildProcess::Options options;
  options.args = GetParam().args;
  auto server = Start("tlj-server", options);
  EXPECT_EQ(WaitForExit(*server, kGenerous), GetParam().exit_code);
  EXPECT_NE(server->Stderr().find(GetParam().message), std::string::npos) << server->Stderr();
  EXPECT_EQ(server->Stdout(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ServerUsageTest,
    ::testing::Values(UsageCase{"UnknownOption", {"--fast"}, 2, "unknown option '--fast'"},
                      UsageCase{"PortOutOfRange",
                                {"--port", "65536"},
                                2,
                                "the port must be a number from 0 to 65535, not '65536'"},
                      UsageCase{"PortMissing", {"--port"}, 2, "option '--port' needs a value"},
                      UsageCase{"NoAccountsFile",
                                {"--accounts", "/nonexistent/accounts"},
                                1,
                                "cannot read the accounts file /nonexistent/accounts"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
