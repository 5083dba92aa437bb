// The client through real SOCKS5 servers on loopback: microsocks (user name and password of
// its own) and dante (its user name method checks the system's accounts). Right credentials
// play a whole game against tlj-server; wrong ones and a refused CONNECT end in the client's
// message. The demo drives the client; a failure's message carries what the client said.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/tool_programs.h"
#include "tests/tools/lobby/loopback_port.h"

namespace tlj::tools::testing {
namespace {

namespace fs = std::filesystem;

constexpr platform::TimeMs kGameDeadline = 110'000;
constexpr platform::TimeMs kFailureDeadline = 30'000;
constexpr platform::TimeMs kProxyStartDeadline = 5'000;
constexpr std::chrono::milliseconds kProxyStopGrace{3000};
// The system account dante checks: no home, no shell.
constexpr const char* kAccount = "tljproxy";
constexpr const char* kAccountPassword = "Pr0xy-pass";

fs::path Installed(const std::string& name) {
  for (const char* folder : {"/usr/bin", "/usr/sbin", "/usr/local/bin", "/usr/local/sbin"}) {
    if (fs::exists(fs::path(folder) / name)) return fs::path(folder) / name;
  }
  return {};
}

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool connected =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

// The account exists with the known password; false when this user may not make it so.
bool PrepareAccount() {
  if (::geteuid() != 0) return false;
  const std::string make = std::string("id -u ") + kAccount + " >/dev/null 2>&1 || useradd " +
                           "--system --no-create-home --shell /usr/sbin/nologin " + kAccount;
  const std::string password =
      std::string("echo '") + kAccount + ":" + kAccountPassword + "' | chpasswd";
  return std::system(make.c_str()) == 0 && std::system(password.c_str()) == 0;
}

enum class Proxy { kMicrosocks, kDanteUsers, kDanteRefusing };

struct ProxyCase {
  const char* name;
  Proxy proxy;
  const char* credentials;  // USER:PASSWORD@, or empty
  const char* outcome;      // a line of the transcript, or of the failure
  friend void PrintTo(const ProxyCase& c, std::ostream* out) { *out << c.name; }
};

class RealProxyTest : public ProgramTest, public ::testing::WithParamInterface<ProxyCase> {
 protected:
  void TearDown() override {
    if (proxy_) proxy_->Stop(kProxyStopGrace);
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  // Starts the case's proxy on a free port; skips the test when it cannot run here.
  void StartProxy() {
    const bool dante = GetParam().proxy != Proxy::kMicrosocks;
    const fs::path program = Installed(dante ? "danted" : "microsocks");
    if (program.empty()) {
      GTEST_SKIP() << (dante ? "dante-server" : "microsocks")
                   << " is not installed; scripts/setup installs it";
    }
    if (GetParam().proxy == Proxy::kDanteUsers && !PrepareAccount()) {
      GTEST_SKIP() << "dante checks the system's accounts, and this user cannot make " << kAccount;
    }
    port_ = FreePort();
    posix::ChildProcess::Options options;
    options.pipe_stdin = false;
    if (dante) {
      folder_ = fs::temp_directory_path() / ("tlj-dante-" + std::to_string(port_));
      fs::create_directories(folder_);
      options.args = {"-f", WriteDanteConfiguration().string(), "-p",
                      (folder_ / "danted.pid").string()};
    } else {
      options.args = {"-i", "127.0.0.1", "-p", std::to_string(port_), "-u", "tlj", "-P", "secret"};
    }
    proxy_ = std::make_unique<posix::ChildProcess>(loop_, poll_, program.string(), options);
    ASSERT_TRUE(RunUntil([&] { return Accepts(port_) || proxy_->ExitCode(); }, kProxyStartDeadline))
        << program << " did not listen: " << proxy_->Stderr();
    ASSERT_FALSE(proxy_->ExitCode()) << proxy_->Stderr();
  }

  fs::path WriteDanteConfiguration() const {
    const bool users = GetParam().proxy == Proxy::kDanteUsers;
    const fs::path file = folder_ / "danted.conf";
    std::ofstream(file) << "logoutput: stderr\n"
                        << "internal: 127.0.0.1 port = " << port_ << "\n"
                        << "external: 127.0.0.1\n"
                        << "clientmethod: none\n"
                        << "socksmethod: " << (users ? "username" : "none") << "\n"
                        << "user.privileged: root\n"
                        << "user.unprivileged: nobody\n"
                        << "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                        << (users ? "socks pass" : "socks block")
                        << " { from: 127.0.0.0/8 to: 0.0.0.0/0 command: connect }\n";
    return file;
  }

  std::unique_ptr<posix::ChildProcess> proxy_;
  fs::path folder_;
  int port_ = 0;
};

TEST_P(RealProxyTest, RightCredentialsPlayAndOthersEndInTheClientsMessage) {
  StartProxy();
  if (IsSkipped() || HasFatalFailure()) return;
  const bool plays = std::string(GetParam().outcome) == "demo finished";
  posix::ChildProcess::Options options;
  options.args = {
      "--demo",  "--headless",
      "--seed",  "3",
      "--proxy", GetParam().credentials + std::string("127.0.0.1:") + std::to_string(port_)};
  options.env = {{"QT_QPA_PLATFORM", "offscreen"}};
  auto lobby = Start("tlj-lobby", options);
  const auto code = WaitForExit(*lobby, plays ? kGameDeadline : kFailureDeadline);
  ASSERT_TRUE(code.has_value()) << lobby->Stdout();
  EXPECT_EQ(*code, plays ? 0 : 1) << lobby->Stdout() << lobby->Stderr();
  const std::string said = lobby->Stdout() + lobby->Stderr();
  EXPECT_NE(said.find(GetParam().outcome), std::string::npos) << said;
  if (plays) {
    EXPECT_NE(said.find("score sheet of game 1:"), std::string::npos) << said;
  }
  EXPECT_EQ(said.find("Pr0xy-pass"), std::string::npos) << "the proxy's password shows";
}

INSTANTIATE_TEST_SUITE_P(
    Proxies, RealProxyTest,
    ::testing::Values(ProxyCase{"MicrosocksRightCredentials", Proxy::kMicrosocks, "tlj:secret@",
                                "demo finished"},
                      ProxyCase{"MicrosocksWrongPassword", Proxy::kMicrosocks, "tlj:wrong@",
                                "MessageBox: 铜炉局: 代理服务器用户验证失败！"},
                      ProxyCase{"MicrosocksWithoutCredentials", Proxy::kMicrosocks, "",
                                "MessageBox: 铜炉局: 代理服务器用户验证失败！"},
                      ProxyCase{"DanteRightCredentials", Proxy::kDanteUsers, "tljproxy:Pr0xy-pass@",
                                "demo finished"},
                      ProxyCase{"DanteWrongPassword", Proxy::kDanteUsers, "tljproxy:wrong@",
                                "MessageBox: 铜炉局: 代理服务器用户验证失败！"},
                      ProxyCase{"DanteRefusesTheConnect", Proxy::kDanteRefusing, "",
                                "MessageBox: 铜炉局: 通过代理连接主站失败！"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
