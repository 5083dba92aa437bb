// The client through a SOCKS5 proxy of the test's own on loopback, one that misbehaves: it
// writes its handshake a byte at a time and relays the game in pieces of a few bytes, answers
// the greeting with a kilobyte of garbage, closes in the middle of the handshake, or refuses
// the user with a status nobody uses. The demo drives the real client against tlj-server: the
// game gets through the first proxy, and each of the others ends at once in the client's
// message for the step it stopped at.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "posix/send_all.h"
#include "tests/support/tool_programs.h"
#include "tests/tools/lobby/loopback_port.h"

namespace tlj::tools::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr platform::TimeMs kGameDeadline = 110'000;
constexpr platform::TimeMs kFailureDeadline = 30'000;
constexpr const char* kUser = "tlj";
constexpr const char* kPassword = "s3cret";
// Long enough for each byte of a reply to arrive on its own.
constexpr std::chrono::milliseconds kBytePause{10};
constexpr std::chrono::milliseconds kPiecePause{1};

enum class Misbehaviour {
  kSingleBytes,  // replies a byte at a time, the game relayed in pieces of 1..7 bytes
  kGarbage,      // a kilobyte of garbage for the method choice
  kClosesAfterTheMethodChoice,
  kClosesAfterTheConnectRequest,
  kRefusesTheUser,  // status 0x7F to the user name and password
};

// The proxy's methods, its refusal of the user (a status without a meaning of its own) and its
// CONNECT refusals.
constexpr std::uint8_t kNoAuthentication = 0, kUserPassword = 2, kNoAcceptableMethod = 0xFF;
constexpr std::uint8_t kRefusal = 0x7F;
constexpr std::uint8_t kConnectionRefused = 5, kCommandNotSupported = 7,
                       kAddressTypeNotSupported = 8;

void NoDelay(int fd) {
  const int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

// A connection to `host`:`port` (an IPv4 address or a name), or -1.
int ConnectTo(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
  int fd = -1;
  for (const addrinfo* a = found; a != nullptr && fd < 0; a = a->ai_next) {
    fd = ::socket(a->ai_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
      ::close(fd);
      fd = -1;
    }
  }
  ::freeaddrinfo(found);
  return fd;
}

// The successful CONNECT reply, with the address the proxy's own connection is bound to.
Bytes ConnectReply(int server) {
  sockaddr_in bound{};
  socklen_t size = sizeof bound;
  ::getsockname(server, reinterpret_cast<sockaddr*>(&bound), &size);
  Bytes reply{5, 0, 0, 1};
  const auto* address = reinterpret_cast<const std::uint8_t*>(&bound.sin_addr);
  reply.insert(reply.end(), address, address + 4);
  const auto* port = reinterpret_cast<const std::uint8_t*>(&bound.sin_port);
  reply.insert(reply.end(), port, port + 2);
  return reply;
}

// No SOCKS version byte where the method choice belongs, and more than a reply buffer holds.
Bytes Garbage() {
  Bytes garbage(1024);
  for (std::size_t k = 0; k < garbage.size(); ++k)
    garbage[k] = static_cast<std::uint8_t>(0xA5 ^ (k * 131));
  return garbage;
}

// The SOCKS5 server side on its own thread, one client at a time, with blocking sockets; each
// wait also watches a pipe that stops it.
class HostileProxy {
 public:
  HostileProxy(Misbehaviour how, bool asks_password)
      : how_(how), asks_password_(asks_password), port_(FreePort()) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(port_);
    listening_ =
        port_ > 0 &&
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(listener_, 4) == 0 && ::pipe2(stop_, O_CLOEXEC) == 0;
    if (listening_) thread_ = std::thread([this] { Serve(); });
  }
  ~HostileProxy() {
    Stop();
    for (const int fd : {listener_, stop_[0], stop_[1]}) {
      if (fd >= 0) ::close(fd);
    }
  }
  HostileProxy(const HostileProxy&) = delete;
  HostileProxy& operator=(const HostileProxy&) = delete;

  bool Listening() const { return listening_; }
  int Port() const { return port_; }
  void Stop() {
    if (!thread_.joinable()) return;
    const char stop = 0;
    while (::write(stop_[1], &stop, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
  }
  // What the client sent, read once stopped.
  const std::string& Credentials() const { return credentials_; }  // USER:PASSWORD
  const std::string& Target() const { return target_; }            // HOST:PORT of its CONNECT
  std::size_t Relayed() const { return relayed_; }                 // bytes, both ways

 private:
  // Until `fd` has something to read; false once stopped.
  bool Ready(int fd) const {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    while (::poll(fds, 2, -1) < 0) {
      if (errno != EINTR) return false;
    }
    return fds[1].revents == 0;
  }

  std::optional<Bytes> Read(int fd, std::size_t size) const {
    Bytes bytes(size);
    for (std::size_t got = 0; got < size;) {
      if (!Ready(fd)) return std::nullopt;
      const ssize_t n = ::recv(fd, bytes.data() + got, size - got, 0);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return std::nullopt;
      got += static_cast<std::size_t>(n);
    }
    return bytes;
  }

  // A length byte, then that many bytes, as text.
  std::optional<std::string> ReadCounted(int fd) const {
    const auto length = Read(fd, 1);
    if (!length) return std::nullopt;
    const auto text = Read(fd, (*length)[0]);
    if (!text) return std::nullopt;
    return std::string(text->begin(), text->end());
  }

  // Until the client has closed its end, as it does after a failed handshake.
  void WaitForClose(int fd) const {
    std::uint8_t sink[256];
    while (Ready(fd)) {
      const ssize_t n = ::recv(fd, sink, sizeof sink, 0);
      if (n == 0 || (n < 0 && errno != EINTR)) return;
    }
  }

  bool Reply(int fd, const Bytes& bytes) const {
    if (how_ != Misbehaviour::kSingleBytes) return posix::SendAll(fd, bytes);
    for (const std::uint8_t byte : bytes) {
      if (!posix::SendAll(fd, std::span(&byte, 1))) return false;
      std::this_thread::sleep_for(kBytePause);
    }
    return true;
  }

  void Serve() {
    while (Ready(listener_)) {
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) continue;
      NoDelay(client);
      Handle(client);
      ::close(client);
    }
  }

  void Handle(int client) {
    const auto greeting = Read(client, 2);
    const auto methods = greeting ? Read(client, (*greeting)[1]) : std::nullopt;
    if (!methods) return;
    if (how_ == Misbehaviour::kGarbage) {
      const Bytes garbage = Garbage();
      if (posix::SendAll(client, garbage)) WaitForClose(client);
      return;
    }
    const auto offers = [&](std::uint8_t method) {
      return std::find(methods->begin(), methods->end(), method) != methods->end();
    };
    const std::uint8_t method = asks_password_ && offers(kUserPassword) ? kUserPassword
                                : !asks_password_ && offers(kNoAuthentication)
                                    ? kNoAuthentication
                                    : kNoAcceptableMethod;
    if (!Reply(client, {5, method}) || method == kNoAcceptableMethod ||
        how_ == Misbehaviour::kClosesAfterTheMethodChoice)
      return;
    if (method == kUserPassword && !Authenticate(client)) return;
    const std::optional<Destination> target = ReadConnectRequest(client);
    if (!target || how_ == Misbehaviour::kClosesAfterTheConnectRequest) return;
    const int server = ConnectTo(target->host, target->port);
    if (server < 0) {
      Refuse(client, kConnectionRefused);
      return;
    }
    NoDelay(server);
    if (Reply(client, ConnectReply(server))) Relay(client, server);
    ::close(server);
  }

  // A CONNECT reply that refuses, and the client's close after it.
  void Refuse(int client, std::uint8_t reply) const {
    if (Reply(client, {5, reply, 0, 1, 0, 0, 0, 0, 0, 0})) WaitForClose(client);
  }

  // RFC 1929: the user name and password, answered with success only for the right ones,
  // unless the proxy refuses everybody.
  bool Authenticate(int client) {
    const auto version = Read(client, 1);
    const auto user = version ? ReadCounted(client) : std::nullopt;
    const auto password = user ? ReadCounted(client) : std::nullopt;
    if (!password) return false;
    credentials_ = *user + ":" + *password;
    const bool right = *user == kUser && *password == kPassword;
    const std::uint8_t status =
        how_ == Misbehaviour::kRefusesTheUser ? kRefusal : static_cast<std::uint8_t>(right ? 0 : 1);
    if (!Reply(client, {1, status})) return false;
    if (status == 0) return true;
    WaitForClose(client);
    return false;
  }

  struct Destination {
    std::string host;
    int port = 0;
  };

  // The CONNECT request with an IPv4 address or a name, or nothing after an answer that
  // refuses any other request.
  std::optional<Destination> ReadConnectRequest(int client) {
    const auto head = Read(client, 4);
    if (!head) return std::nullopt;
    std::optional<std::string> host;
    if ((*head)[1] == 1 && (*head)[3] == 1) {
      char dotted[INET_ADDRSTRLEN] = {};
      const auto address = Read(client, 4);
      if (address && ::inet_ntop(AF_INET, address->data(), dotted, sizeof dotted) != nullptr)
        host = dotted;
    } else if ((*head)[1] == 1 && (*head)[3] == 3) {
      host = ReadCounted(client);
    } else {
      Refuse(client, (*head)[1] != 1 ? kCommandNotSupported : kAddressTypeNotSupported);
      return std::nullopt;
    }
    const auto port = host ? Read(client, 2) : std::nullopt;
    if (!port) return std::nullopt;
    const Destination target{*host, (*port)[0] << 8 | (*port)[1]};
    target_ = target.host + ":" + std::to_string(target.port);
    return target;
  }

  // Both ways, each read passed on in pieces of 1..7 bytes with a pause now and then, so that
  // frames reach either end cut anywhere; until either end closes or the proxy is stopped.
  void Relay(int client, int server) {
    std::mt19937 random(1928);
    pollfd fds[3] = {{client, POLLIN, 0}, {server, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    std::uint8_t chunk[4096];
    for (;;) {
      if (::poll(fds, 3, -1) < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (fds[2].revents != 0) return;
      for (int from = 0; from < 2; ++from) {
        if (fds[from].revents == 0) continue;
        const ssize_t n = ::recv(fds[from].fd, chunk, sizeof chunk, 0);
        if (n <= 0) return;
        relayed_ += static_cast<std::size_t>(n);
        for (std::size_t at = 0; at < static_cast<std::size_t>(n);) {
          const std::size_t piece = std::min<std::size_t>(n - at, 1 + random() % 7);
          if (!posix::SendAll(fds[1 - from].fd, std::span(chunk + at, piece))) return;
          at += piece;
          if (random() % 8 == 0) std::this_thread::sleep_for(kPiecePause);
        }
      }
    }
  }

  const Misbehaviour how_;
  const bool asks_password_;
  const int port_;
  int listener_ = -1;
  int stop_[2] = {-1, -1};
  bool listening_ = false;
  std::thread thread_;
  std::string credentials_;
  std::string target_;
  std::size_t relayed_ = 0;
};

// The client's message boxes, as it wrote them to standard error, from what the demo said.
std::vector<std::string> MessageBoxes(const std::string& said) {
  std::vector<std::string> boxes;
  std::istringstream lines(said);
  std::string line;
  while (std::getline(lines, line)) {
    const auto at = line.find("MessageBox: ");
    if (at != std::string::npos) boxes.push_back(line.substr(at));
  }
  return boxes;
}

struct HostileCase {
  const char* name;
  Misbehaviour how;
  bool asks_password;   // the proxy chooses user name and password, else no authentication
  const char* message;  // the client's message box; nullptr: the game gets through
  friend void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }
};

class HostileProxyTest : public ProgramTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileProxyTest, TheGameGetsThroughOrTheClientSaysWhyAtOnce) {
  HostileProxy proxy(GetParam().how, GetParam().asks_password);
  ASSERT_TRUE(proxy.Listening()) << "port " << proxy.Port();
  const bool plays = GetParam().message == nullptr;
  const std::string credentials =
      GetParam().asks_password ? std::string(kUser) + ":" + kPassword + "@" : "";
  posix::ChildProcess::Options options;
  options.args = {"--demo",  "--headless",
                  "--seed",  "3",
                  "--proxy", credentials + "127.0.0.1:" + std::to_string(proxy.Port())};
  auto lobby = Start("tlj-lobby", options);
  const auto code = WaitForExit(*lobby, plays ? kGameDeadline : kFailureDeadline);
  ASSERT_TRUE(code.has_value()) << lobby->Stdout();
  proxy.Stop();
  const std::string said = lobby->Stdout() + lobby->Stderr();
  EXPECT_EQ(*code, plays ? 0 : 1) << said;
  if (plays) {
    EXPECT_NE(said.find("score sheet of game 1:"), std::string::npos) << said;
    EXPECT_NE(said.find("demo finished"), std::string::npos) << said;
    EXPECT_EQ(proxy.Credentials(), std::string(kUser) + ":" + kPassword);
    EXPECT_NE(said.find("server listening on " + proxy.Target() + "\n"), std::string::npos)
        << "the client asked the proxy for " << proxy.Target() << "\n"
        << said;
    EXPECT_GT(proxy.Relayed(), 0u);
    return;
  }
  EXPECT_EQ(MessageBoxes(said),
            std::vector<std::string>{std::string("MessageBox: 铜炉局: ") + GetParam().message})
      << said;
  EXPECT_EQ(lobby->Stderr().rfind("tlj-lobby: the client did not log in;", 0), 0u) << said;
}

INSTANTIATE_TEST_SUITE_P(
    Proxies, HostileProxyTest,
    ::testing::Values(HostileCase{"SingleBytes", Misbehaviour::kSingleBytes, true, nullptr},
                      HostileCase{"Garbage", Misbehaviour::kGarbage, false, "请求代理失败！"},
                      HostileCase{"ClosesAfterTheMethodChoice",
                                  Misbehaviour::kClosesAfterTheMethodChoice, true,
                                  "代理服务器用户验证失败！"},
                      HostileCase{"ClosesAfterTheConnectRequest",
                                  Misbehaviour::kClosesAfterTheConnectRequest, false,
                                  "通过代理连接主站失败！"},
                      HostileCase{"RefusesTheUser", Misbehaviour::kRefusesTheUser, true,
                                  "代理服务器用户验证失败！"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tlj::tools::testing
