#include "posix/http_downloader.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <optional>
#include <string>
#include <vector>

#include "posix/http_address.h"
#include "posix/http_response.h"
#include "posix/poll_backend.h"
#include "tests/posix/loopback.h"

namespace tlj::posix {
namespace {

using testing::Descriptor;
using testing::LoopbackPort;

// Long enough never to be reached on a working machine; it only keeps a broken run from hanging.
constexpr platform::TimeMs kGenerous = 10'000;

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(HttpAddressTest, TakesPlainHttpAddressesApart) {
  struct Case {
    const char* url;
    const char* host;
    int port;
    const char* target;
  };
  const Case cases[] = {
      {"http://example.test/pot.gif", "example.test", 80, "/pot.gif"},
      {"HTTP://127.0.0.1:8080/a/b.gif?x=1#frag", "127.0.0.1", 8080, "/a/b.gif?x=1"},
      {"http://host", "host", 80, "/"},
      {"http://host?q", "host", 80, "/?q"},
      {"http://[::1]:81/x", "::1", 81, "/x"},
  };
  for (const Case& c : cases) {
    std::string error;
    const auto address = ParseHttpAddress(c.url, error);
    ASSERT_TRUE(address) << c.url << ": " << error;
    EXPECT_EQ(address->host, c.host) << c.url;
    EXPECT_EQ(address->port, c.port) << c.url;
    EXPECT_EQ(address->target, c.target) << c.url;
  }
}

TEST(HttpAddressTest, RefusesOtherAddressesWithAReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://example.test/pot.gif", "https is not supported"},
      {"ftp://example.test/pot.gif", "Not an http address"},
      {"example.test/pot.gif", "Not an http address"},
      {"http:///pot.gif", "Bad host"},
      {"http://user@host/", "Bad host"},
      {"http://[::1/", "Bad host"},
      {"http://host:0/", "Bad port"},
      {"http://host:65536/", "Bad port"},
      {"http://host:8x/", "Bad port"},
  };
  for (const auto& [url, reason] : cases) {
    std::string error;
    EXPECT_FALSE(ParseHttpAddress(url, error)) << url;
    EXPECT_EQ(error, reason) << url;
  }
}

TEST(HttpResponseTest, GivesTheBodyOfAWholeOkResponse) {
  struct Case {
    std::string response;
    std::optional<std::string> body;  // nothing: refused
  };
  const Case cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\nGIF89a", "GIF89a"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", "abc"},
      {"HTTP/1.1 200 OK\r\ncontent-length:  6 \r\nX: y\r\n\r\nabcdef", "abcdef"},
      {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nabcdef", std::nullopt},
      {"HTTP/1.1 404 Not Found\r\n\r\n", std::nullopt},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n", std::nullopt},
      {"HTTP/1.1 200 OK\r\nContent-Length: x\r\n\r\nabc", std::nullopt},
      {"HTTP/1.1 200 OK\r\n", std::nullopt},
      {"GIF89a", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> body;
    std::string error;
    const bool ok = ReadHttpBody(Bytes(c.response), body, error);
    EXPECT_EQ(ok, c.body.has_value()) << c.response << " / " << error;
    if (ok && c.body) {
      EXPECT_EQ(body, Bytes(*c.body));
    }
  }
}

class HttpDownloaderTest : public ::testing::Test {
 protected:
  platform::DownloadStart Start(const std::string& url) {
    return downloader.Start(url, [this](platform::DownloadResult r) { result = std::move(r); });
  }
  bool RunUntilDone() {
    loop.ProcessEventsUntil(loop.Now() + kGenerous, [this] { return result.has_value(); });
    return result.has_value();
  }
  // Accepts the client's connection and reads its request up to the blank line.
  std::string AcceptRequest(Descriptor& peer) {
    loop.ProcessEventsUntil(loop.Now() + 50);  // lets the client connect and send
    peer = listener.Accept();
    std::string request;
    char c;
    while (request.find("\r\n\r\n") == std::string::npos && ::recv(peer.get(), &c, 1, 0) == 1)
      request += c;
    return request;
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(listener.port()) + path;
  }

  PollBackend poll;
  platform::EventLoop loop{poll};
  HttpDownloader downloader{loop, poll};
  LoopbackPort listener{8};
  std::optional<platform::DownloadResult> result;
};

TEST_F(HttpDownloaderTest, FetchesTheBodyWithOneGet) {
  ASSERT_NE(Start(Url("/pot.gif")).id, 0);
  Descriptor peer;
  const std::string request = AcceptRequest(peer);
  EXPECT_EQ(request.rfind("GET /pot.gif HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("Host: 127.0.0.1:" + std::to_string(listener.port()) + "\r\n"),
            std::string::npos);
  const auto body = testing::Pattern(200'000, 3);
  testing::WriteAll(peer.get(), Bytes("HTTP/1.0 200 OK\r\nContent-Length: 200000\r\n\r\n"));
  testing::WriteAll(peer.get(), body);
  peer.Reset();
  ASSERT_TRUE(RunUntilDone());
  EXPECT_TRUE(result->ok) << result->error;
  EXPECT_EQ(result->bytes, body);
}

TEST_F(HttpDownloaderTest, AnErrorStatusFails) {
  ASSERT_NE(Start(Url("/absent.gif")).id, 0);
  Descriptor peer;
  AcceptRequest(peer);
  testing::WriteAll(peer.get(), Bytes("HTTP/1.0 404 Not Found\r\n\r\nno"));
  peer.Reset();
  ASSERT_TRUE(RunUntilDone());
  EXPECT_FALSE(result->ok);
  EXPECT_EQ(result->error, "HTTP status 404");
}

TEST_F(HttpDownloaderTest, ARefusedConnectionFails) {
  std::string url;
  {
    LoopbackPort closed;  // bound, never listening
    url = "http://127.0.0.1:" + std::to_string(closed.port()) + "/x";
  }
  const auto started = Start(url);
  if (started.id == 0) {
    EXPECT_FALSE(started.error.empty());
    return;
  }
  ASSERT_TRUE(RunUntilDone());
  EXPECT_FALSE(result->ok);
  EXPECT_FALSE(result->error.empty());
}

TEST_F(HttpDownloaderTest, AddressesItCannotUseDoNotStart) {
  for (const char* url : {"https://127.0.0.1/pot.gif", "gopher://x/", "http://:80/x"}) {
    const auto started = Start(url);
    EXPECT_EQ(started.id, 0) << url;
    EXPECT_FALSE(started.error.empty()) << url;
  }
  EXPECT_EQ(Start("https://127.0.0.1/").error, "https is not supported");
}

TEST_F(HttpDownloaderTest, ACancelledDownloadNeverReports) {
  const auto started = Start(Url("/pot.gif"));
  ASSERT_NE(started.id, 0);
  Descriptor peer;
  AcceptRequest(peer);
  downloader.Cancel(started.id);
  EXPECT_EQ(poll.WatchedCount(), 0u);
  ::send(peer.get(), "HTTP/1.0 200 OK\r\n\r\nGIF89a", 25, MSG_NOSIGNAL);
  peer.Reset();
  loop.ProcessEventsUntil(loop.Now() + 50);
  EXPECT_FALSE(result.has_value());
}

}  // namespace
}  // namespace tlj::posix
