#include "posix/posix_socket.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "posix/poll_backend.h"
#include "tests/posix/loopback.h"

namespace tlj::posix {
namespace {

using platform::SocketState;
using testing::Descriptor;
using testing::LoopbackPort;
using testing::Pattern;
using testing::WriteAll;

// Long enough never to be reached on a working machine; it only keeps a broken run from hanging.
constexpr platform::TimeMs kGenerous = 10'000;
// A pending or failed connection is watched over this long; a spinning loop wakes thousands of
// times in it, a waiting one a few times at most.
constexpr platform::TimeMs kWatchSpan = 300;
constexpr int kFewWakeUps = 20;

class CountingPollBackend : public PollBackend {
 public:
  bool WaitForEvents(platform::TimeMs deadline, platform::EventLoop& loop) override {
    ++waits;
    return PollBackend::WaitForEvents(deadline, loop);
  }
  int waits = 0;
};

class PosixSocketTest : public ::testing::Test {
 protected:
  PosixSocketTest() {
    socket.on_data_arrival = [this](const platform::GameSocket::Bytes& bytes) {
      events.push_back("data");
      received.insert(received.end(), bytes.begin(), bytes.end());
    };
    socket.on_close = [this] { events.push_back("close"); };
  }

  bool RunUntil(const std::function<bool()>& done) {
    loop.ProcessEventsUntil(loop.Now() + kGenerous, done);
    return done();
  }
  void RunFor(platform::TimeMs span) { loop.ProcessEventsUntil(loop.Now() + span); }

  // A connection to `listener`, accepted on the far side.
  Descriptor ConnectTo(const LoopbackPort& listener, const std::string& host = "127.0.0.1") {
    socket.SetRemote(host, listener.port());
    socket.Connect();
    EXPECT_TRUE(RunUntil([this] { return socket.State() == SocketState::Connected; }));
    return listener.Accept();
  }

  CountingPollBackend poll;
  platform::EventLoop loop{poll};
  PosixSocket socket{loop, poll};
  std::vector<std::uint8_t> received;
  std::vector<std::string> events;
};

TEST_F(PosixSocketTest, ConnectsByDottedAddressOrHostName) {
  LoopbackPort listener(8);
  for (const std::string host : {"127.0.0.1", "localhost"}) {
    SCOPED_TRACE(host);
    socket.SetRemote(host, listener.port());
    socket.Connect();
    EXPECT_EQ(socket.State(), SocketState::Connecting);
    EXPECT_TRUE(RunUntil([this] { return socket.State() == SocketState::Connected; }));
    EXPECT_GE(listener.Accept().get(), 0);
    socket.Close();
  }
}

TEST_F(PosixSocketTest, DeliversEveryByteOnceAndInOrderWhateverTheBursts) {
  LoopbackPort listener(8);
  const Descriptor peer = ConnectTo(listener);
  std::vector<std::uint8_t> sent;
  std::uint8_t seed = 1;
  for (const std::size_t burst : {1u, 271u, 3u * 272u, 100'000u}) {
    const auto bytes = Pattern(burst, seed++);
    WriteAll(peer.get(), bytes);
    sent.insert(sent.end(), bytes.begin(), bytes.end());
    ASSERT_TRUE(RunUntil([&] { return received.size() >= sent.size(); }));
  }
  EXPECT_EQ(received, sent);
  EXPECT_EQ(socket.State(), SocketState::Connected);
}

TEST_F(PosixSocketTest, SendsArraysWholeAndInOrderWhenThePeerReadsSlowly) {
  // A small receive buffer on the far side makes the kernel refuse most of the big array, so
  // the rest has to wait in the socket's own buffer.
  LoopbackPort listener(8);
  const int small = 4096;
  ::setsockopt(listener.fd(), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  const Descriptor peer = ConnectTo(listener);
  ::fcntl(peer.get(), F_SETFL, O_NONBLOCK);
  std::vector<std::uint8_t> peer_received;
  poll.Watch(peer.get(), POLLIN, [&](short) {
    std::uint8_t chunk[8192];
    ssize_t n;
    while ((n = ::recv(peer.get(), chunk, sizeof chunk, 0)) > 0) {
      peer_received.insert(peer_received.end(), chunk, chunk + n);
    }
  });

  std::vector<std::uint8_t> sent;
  for (const auto& array : {Pattern(4'000'000, 3), Pattern(272, 9), Pattern(272, 10)}) {
    socket.SendData(array);
    sent.insert(sent.end(), array.begin(), array.end());
  }
  EXPECT_TRUE(RunUntil([&] { return peer_received.size() >= sent.size(); }));
  poll.Unwatch(peer.get());
  EXPECT_EQ(peer_received, sent);
}

struct PeerEnding {
  const char* name;
  bool reset;  // an abortive close (RST) rather than an orderly one (FIN)
  friend void PrintTo(const PeerEnding& ending, std::ostream* out) { *out << ending.name; }
};

class PeerEndingTest : public PosixSocketTest, public ::testing::WithParamInterface<PeerEnding> {};

TEST_P(PeerEndingTest, DeliversWhatCameThenCloses) {
  LoopbackPort listener(8);
  Descriptor peer = ConnectTo(listener);
  if (GetParam().reset) {
    const linger abort{1, 0};
    ::setsockopt(peer.get(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  } else {
    WriteAll(peer.get(), Pattern(272, 5));
  }
  peer.Reset();
  ASSERT_TRUE(RunUntil([this] { return !events.empty() && events.back() == "close"; }));
  EXPECT_EQ(socket.State(), SocketState::Closed);
  EXPECT_EQ(events.size(), GetParam().reset ? 1u : 2u);  // the data first, then the close
  EXPECT_EQ(received.size(), GetParam().reset ? 0u : 272u);
  EXPECT_EQ(poll.WatchedCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Endings, PeerEndingTest,
                         ::testing::Values(PeerEnding{"Orderly", false}, PeerEnding{"Reset", true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PosixSocketTest, RefusedConnectionFallsBackToClosedQuietlyAndStopsWaiting) {
  const LoopbackPort nobody_listens;
  socket.SetRemote("127.0.0.1", nobody_listens.port());
  socket.Connect();
  RunFor(kWatchSpan);
  EXPECT_EQ(socket.State(), SocketState::Closed);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(poll.WatchedCount(), 0u);
  EXPECT_LT(poll.waits, kFewWakeUps);
}

TEST_F(PosixSocketTest, PortOutOfRangeIsClosedAtOnce) {
  for (const int port : {0, -5000, 70000}) {
    SCOPED_TRACE(port);
    socket.SetRemote("127.0.0.1", port);
    socket.Connect();
    EXPECT_EQ(socket.State(), SocketState::Closed);
  }
}

TEST_F(PosixSocketTest, PendingConnectionWaitsWithoutSpinningAndCanBeAbandoned) {
  // A listener that never accepts, with its queue full, leaves further connections pending.
  const LoopbackPort listener(0);
  std::vector<Descriptor> queued;
  for (int i = 0; i < 2; ++i) {
    queued.emplace_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    const sockaddr_in address = testing::Loopback(listener.port());
    ::connect(queued.back().get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
  socket.SetRemote("127.0.0.1", listener.port());
  socket.Connect();
  RunFor(kWatchSpan);
  EXPECT_EQ(socket.State(), SocketState::Connecting);
  EXPECT_LT(poll.waits, kFewWakeUps);

  socket.Close();
  EXPECT_EQ(socket.State(), SocketState::Closed);
  EXPECT_EQ(poll.WatchedCount(), 0u);
}

TEST_F(PosixSocketTest, CloseDropsArrivalsTheLogicHasNotSeenYet) {
  LoopbackPort listener(8);
  const Descriptor peer = ConnectTo(listener);
  WriteAll(peer.get(), Pattern(272, 7));
  // Let the bytes be read and their event posted, without handling it.
  const platform::TimeMs deadline = loop.Now() + kGenerous;
  while (!loop.HasPendingEvents() && loop.Now() < deadline) poll.WaitForEvents(deadline, loop);
  ASSERT_TRUE(loop.HasPendingEvents());

  socket.Close();
  while (loop.HasPendingEvents()) loop.RunOnce(loop.Now());
  EXPECT_TRUE(received.empty());
  EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace tlj::posix
