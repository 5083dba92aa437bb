// The soak as a program: a short run of many clients passes and says what it did; a client
// that ends by itself, and options it cannot use, fail it.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/tool_programs.h"

namespace tlj::tools::testing {
namespace {

constexpr platform::TimeMs kRunDeadline = 180'000;

// A client built with AddressSanitizer holds the blocks it frees in the sanitizer's quarantine
// (256 MiB at most) for a while, so its memory grows with what it plays: there the run allows
// that growth, and leaks are the sanitizer's to find.
#ifdef __SANITIZE_ADDRESS__
const std::vector<std::string> kQuarantineGrowth = {"--allowed-growth", "512"};
#else
const std::vector<std::string> kQuarantineGrowth;
#endif

class SoakProgramTest : public ProgramTest {
 protected:
  // Runs tlj-soak with `args`; its exit code, or nothing when it did not end in time.
  std::optional<int> RunSoak(std::vector<std::string> args) {
    posix::ChildProcess::Options options;
    options.args = std::move(args);
    soak_ = Start("tlj-soak", std::move(options));
    return WaitForExit(*soak_, kRunDeadline);
  }
  std::string Said() const { return soak_->Stdout() + soak_->Stderr(); }

  std::unique_ptr<posix::ChildProcess> soak_;
};

TEST_F(SoakProgramTest, AShortRunOfManyClientsPassesAndReportsWhatHappened) {
  std::vector<std::string> args = {"--tables",  "2",  "--clients", "6",
                                   "--seconds", "45", "--seed",    "3"};
  args.insert(args.end(), kQuarantineGrowth.begin(), kQuarantineGrowth.end());
  ASSERT_EQ(RunSoak(args), 0) << Said();
  const std::string report = soak_->Stdout();
  std::smatch counts;
  ASSERT_TRUE(std::regex_search(report, counts,
                                std::regex("2 tables, 6 clients, 45 s: ([0-9]+) games finished "
                                           "by the clients \\(([0-9]+) at the server\\)")))
      << report;
  EXPECT_GT(std::stoi(counts[2]), 0);
  EXPECT_GE(std::stoi(counts[1]), std::stoi(counts[2])) << "every game has a client in it";
  EXPECT_NE(report.find("peak memory: client "), std::string::npos) << report;
  EXPECT_NE(report.find("invalid: 0,"), std::string::npos) << report;
  EXPECT_NE(report.find(": balanced"), std::string::npos) << report;
  EXPECT_NE(report.find("tlj-soak: passed"), std::string::npos) << report;
}

TEST_F(SoakProgramTest, AClientThatEndsByItselfFailsTheRun) {
  ASSERT_EQ(RunSoak({"--clients", "1", "--seconds", "20", "--client", "/bin/true"}), 1) << Said();
  EXPECT_NE(soak_->Stdout().find("tlj-soak: FAILED: client 1 (soak1) ended by itself"),
            std::string::npos)
      << Said();
}

struct BadOptions {
  const char* name;
  std::vector<std::string> args;
  const char* error;
};

class SoakOptionsTest : public SoakProgramTest, public ::testing::WithParamInterface<BadOptions> {};

TEST_P(SoakOptionsTest, AreRefused) {
  ASSERT_EQ(RunSoak(GetParam().args), 2) << Said();
  EXPECT_NE(soak_->Stderr().find(GetParam().error), std::string::npos) << Said();
}

INSTANTIATE_TEST_SUITE_P(
    Options, SoakOptionsTest,
    ::testing::Values(
        BadOptions{"NoTables", {"--tables", "0"}, "the tables must be a whole number from 1"},
        BadOptions{"SecondsNotANumber", {"--seconds", "soon"}, "not 'soon'"},
        BadOptions{"ClientWithoutPath", {"--client"}, "option '--client' needs a value"},
        BadOptions{"Unknown", {"--forever"}, "unknown option '--forever'"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
