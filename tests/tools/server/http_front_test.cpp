// The page server on real loopback sockets: the two pages, what it refuses and how, requests
// that never come whole, a reader slower than the page, and the client's own downloader taking
// both pages.

#include "tools/server/http_front.h"
#include "posix/http_address.h"
#include "posix/http_downloader.h"
#include "tests/tools/server/loopback_client.h"
#include "tools/server/web_pages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>

namespace tlj::server {
namespace {

using namespace std::string_literals;
using testing::LoopbackClient;

// Deadlines only keep a broken run from hanging.
constexpr platform::TimeMs kGenerous = 10'000;

// A response taken apart; a status of 0 when nothing came.
struct Response {
  int status = 0;
  std::string head;  // the status line and the header lines
  std::string body;

  std::optional<std::size_t> ContentLength() const {
    std::smatch m;
    if (!std::regex_search(head, m, std::regex("\r\nContent-Length: ([0-9]+)\r\n"))) return {};
    return std::stoul(m[1]);
  }
  bool Has(const std::string& line) const {
    return head.find("\r\n" + line + "\r\n") != std::string::npos;
  }
};

Response Parse(const std::string& text) {
  Response response;
  const auto end = text.find("\r\n\r\n");
  if (text.empty() || end == std::string::npos) return response;
  response.head = text.substr(0, end + 2);
  response.body = text.substr(end + 4);
  std::smatch m;
  if (std::regex_search(response.head, m, std::regex("^HTTP/1\\.1 ([0-9]{3}) [A-Za-z ]+\r\n"))) {
    response.status = std::stoi(m[1]);
  }
  return response;
}

// A request head of exactly `size` bytes for the advertisement page.
std::string HeadOfSize(std::size_t size) {
  const std::string start = "GET /ad.html HTTP/1.0\r\nX-Fill: ";
  const std::string end = "\r\n\r\n";
  return start + std::string(size - start.size() - end.size(), 'f') + end;
}

class HttpFrontTest : public ::testing::Test {
 protected:
  HttpFrontTest() {
    tick_.SetInterval(20);
    tick_.SetEnabled(true);
  }
  void Serve(WebPages pages, platform::TimeMs timeout_ms = kWebTimeoutMs) {
    front_.reset();
    front_ = std::make_unique<HttpFront>(loop_, poll_, "127.0.0.1", 0, std::move(pages), &log_,
                                         timeout_ms);
  }
  bool RunUntil(const std::function<bool()>& done) {
    loop_.ProcessEventsUntil(loop_.Now() + kGenerous, done);
    return done();
  }
  // Sends `request` (and then says it sends no more, when `end_writing`), waits until the
  // server ends the connection, and closes this end too.
  Response Exchange(const std::string& request, bool end_writing) {
    LoopbackClient client(front_->Port());
    EXPECT_TRUE(client.Connected());
    if (!request.empty()) client.Write(request);
    if (end_writing) client.EndWriting();
    EXPECT_TRUE(RunUntil([&] { return client.Ended(); })) << "the server kept the connection";
    const std::string text = client.Text();
    client.Close();
    EXPECT_TRUE(RunUntil([&] { return front_->OpenConnections() == 0; }));
    return Parse(text);
  }

  posix::PollBackend poll_;
  platform::EventLoop loop_{poll_};
  platform::Timer tick_{loop_, [] {}};  // wakes the loop to look at the client sockets
  std::ostringstream log_;
  std::unique_ptr<HttpFront> front_;
};

struct RequestCase {
  const char* name;
  std::string request;
  bool end_writing;            // the sender says it sends no more after the request
  int status;                  // 0: the connection ends without an answer
  std::string_view page = {};  // the page a 200 is about
  bool head_only = false;
  friend void PrintTo(const RequestCase& c, std::ostream* out) { *out << c.name; }
};

class HttpRequestTest : public HttpFrontTest, public ::testing::WithParamInterface<RequestCase> {
 protected:
  HttpRequestTest() { Serve(OwnPages()); }
};

TEST_P(HttpRequestTest, AnswersOnceAndEndsTheConnection) {
  const RequestCase& c = GetParam();
  const Response response = Exchange(c.request, c.end_writing);
  ASSERT_EQ(response.status, c.status) << response.head;
  if (c.status == 0) {
    EXPECT_EQ(response.head + response.body, "");
    return;
  }
  EXPECT_TRUE(response.Has("Connection: close")) << response.head;
  if (c.status == 200) {
    EXPECT_TRUE(response.Has("Content-Type: text/html; charset=utf-8")) << response.head;
    EXPECT_EQ(response.ContentLength(), c.page.size());
    EXPECT_EQ(response.body, c.head_only ? "" : c.page);
  } else {
    EXPECT_EQ(response.ContentLength(), response.body.size()) << response.head;
  }
  EXPECT_EQ(response.Has("Allow: GET, HEAD"), c.status == 405) << response.head;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, HttpRequestTest,
    ::testing::Values(
        // As the client's downloader asks.
        RequestCase{"Advertisement",
                    "GET /ad.html HTTP/1.0\r\nHost: 127.0.0.1:20001\r\nAccept: */*\r\n"
                    "Connection: close\r\n\r\n",
                    false, 200, AdvertPage()},
        RequestCase{"Notice", "GET /ad.html.gamead HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", true, 200,
                    NoticePage()},
        RequestCase{"AbsoluteTargetWithAQuery",
                    "GET http://127.0.0.1:20001/ad.html?from=table HTTP/1.1\r\n\r\n", false, 200,
                    AdvertPage()},
        RequestCase{"BareLineFeedsAfterAnEmptyLine", "\r\nGET /ad.html.gamead HTTP/1.0\n\n", false,
                    200, NoticePage()},
        RequestCase{"HeadGetsTheHeadOnly", "HEAD /ad.html HTTP/1.0\r\n\r\n", false, 200,
                    AdvertPage(), true},
        RequestCase{"HeadExactlyAtTheLimit", HeadOfSize(kMaxRequestHeadBytes), false, 200,
                    AdvertPage()},
        RequestCase{"OtherPath", "GET /index.html HTTP/1.0\r\n\r\n", false, 404},
        RequestCase{"PathsKeepTheirCase", "GET /AD.HTML HTTP/1.0\r\n\r\n", false, 404},
        RequestCase{"DirectoryAbove", "GET /../ad.html HTTP/1.0\r\n\r\n", false, 404},
        RequestCase{"Post", "POST /ad.html HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", false, 405},
        RequestCase{"MethodsKeepTheirCase", "get /ad.html HTTP/1.0\r\n\r\n", false, 405},
        RequestCase{"NoVersion", "GET /ad.html\r\n\r\n", false, 400},
        RequestCase{"OtherVersion", "GET /ad.html HTTP/2.0\r\n\r\n", false, 400},
        RequestCase{"TargetWithoutASlash", "GET ad.html HTTP/1.0\r\n\r\n", false, 400},
        RequestCase{"TwoSpaces", "GET  /ad.html HTTP/1.0\r\n\r\n", false, 400},
        RequestCase{"GarbageWithAnEmptyLine",
                    "\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03\xff\xfe \x7f\r\n\r\n"s, false,
                    400},
        RequestCase{"HeadOneByteOverTheLimit", HeadOfSize(kMaxRequestHeadBytes + 1), false, 431},
        // The answer comes before what follows has been read; it must not be lost with it.
        RequestCase{"LongLineWithoutAnEnd", std::string(20'000, 'A'), false, 431},
        RequestCase{"GarbageThenNothingMore", "\x16\x03\x01\x00\xa5\x01\x00\x00\xff"s, true, 0},
        RequestCase{"RequestCutInTheMiddle", "GET /ad.ht", true, 0},
        RequestCase{"HeadCutBeforeItsEmptyLine", "GET /ad.html HTTP/1.0\r\nHost: x\r\n", true, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HttpFrontTest, LogsEachAnswerAndEachConnectionEndedWithoutOne) {
  Serve(OwnPages());
  Exchange("GET /ad.html HTTP/1.0\r\n\r\n", false);
  Exchange("POST /x\x01 HTTP/1.0\r\n\r\n", false);
  Exchange("GET /ad.ht", true);
  const std::regex expected(
      "web 127\\.0\\.0\\.1:[0-9]+: 'GET /ad\\.html HTTP/1\\.0': 200\n"
      "web 127\\.0\\.0\\.1:[0-9]+: 'POST /x\\? HTTP/1\\.0': 405\n"
      "web 127\\.0\\.0\\.1:[0-9]+: closed before a whole request\n");
  EXPECT_TRUE(std::regex_match(log_.str(), expected)) << log_.str();
}

struct SilentCase {
  const char* name;
  std::string sent;
  friend void PrintTo(const SilentCase& c, std::ostream* out) { *out << c.name; }
};

class HttpSilenceTest : public HttpFrontTest, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(HttpSilenceTest, AConnectionThatStopsShortIsLetGoAfterItsTime) {
  Serve(OwnPages(), 200);
  EXPECT_EQ(Exchange(GetParam().sent, false).status, 0);
  EXPECT_TRUE(std::regex_match(log_.str(), std::regex("web 127\\.0\\.0\\.1:[0-9]+: timed out\n")))
      << log_.str();
}

INSTANTIATE_TEST_SUITE_P(Silences, HttpSilenceTest,
                         ::testing::Values(SilentCase{"Nothing", ""},
                                           SilentCase{"HalfAHead", "GET /ad.html HTTP/1.0\r\n"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(HttpFrontTest, APageLargerThanTheSocketTakesGoesOutWhileOthersAreServed) {
  // More than the kernel buffers on both ends hold for a reader that is not reading.
  const std::string big(8 << 20, 'x');
  Serve({{"/big", big}, {"/small", "small"}}, kGenerous);
  LoopbackClient slow(front_->Port());
  slow.Write("GET /big HTTP/1.0\r\n\r\n"s);

  LoopbackClient quick(front_->Port());
  quick.Write("GET /small HTTP/1.0\r\n\r\n"s);
  ASSERT_TRUE(RunUntil([&] { return quick.Ended(); }));
  EXPECT_EQ(Parse(quick.Text()).body, "small");

  ASSERT_TRUE(RunUntil([&] { return slow.Ended(); }));
  const Response response = Parse(slow.Text());
  EXPECT_EQ(response.status, 200);
  EXPECT_EQ(response.body.size(), big.size());
  EXPECT_EQ(response.body, big);
}

TEST_F(HttpFrontTest, TheClientsDownloaderTakesBothPages) {
  Serve(OwnPages());
  posix::HttpDownloader downloader(loop_, poll_);
  std::map<std::string, platform::DownloadResult> results;
  for (const std::string_view path : {kAdvertPath, kNoticePath}) {
    const std::string address = front_->Address(path);
    const auto start = downloader.Start(
        address, [&, address](platform::DownloadResult result) { results[address] = result; });
    ASSERT_NE(start.id, 0) << start.error;
  }
  ASSERT_TRUE(RunUntil([&] { return results.size() == 2; }));

  for (const auto& [path, page] : OwnPages()) {
    const platform::DownloadResult& result = results[front_->Address(path)];
    EXPECT_TRUE(result.ok) << path << ": " << result.error;
    EXPECT_EQ(std::string(result.bytes.begin(), result.bytes.end()), page) << path;
  }
}

TEST(WebAddressTest, TheClientReadsBackTheHostAndPortItNames) {
  for (const std::string host : {"127.0.0.1", "::1", "tables.example"}) {
    std::string error;
    const auto address = posix::ParseHttpAddress(WebAddress(host, 32767, kNoticePath), error);
    ASSERT_TRUE(address) << host << ": " << error;
    EXPECT_EQ(address->host, host);
    EXPECT_EQ(address->port, 32767);
    EXPECT_EQ(address->target, kNoticePath);
  }
}

}  // namespace
}  // namespace tlj::server
