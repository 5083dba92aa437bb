// The web panels: the advertisement's page is fetched when the login reply names it and shows
// over Bird once it is in, never after its address failed; the notice panel hides when its
// page fails.

#include "core/view/web_panels.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/model/table_state.h"
#include "core/text/ansi.h"
#include "tests/support/fake_downloader.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using platform::EventKind;

constexpr const char* kAdPage = "http://127.0.0.1:8080/ad.html";

platform::DownloadResult Page(std::string_view html) {
  return {true, {html.begin(), html.end()}, {}};
}
platform::DownloadResult Failure() {
  return {false, {}, "connection refused"};
}

class WebPanelTest : public ConnectedFixture {
 protected:
  void SetUp() override {
    ConnectedFixture::SetUp();
    platform::Sys().downloader = &downloads;
    Send(LoginReplyFrame({.turn_seconds = 15, .ad_page = kAdPage}));
  }
  void TearDown() override { platform::Sys().downloader = nullptr; }
  void Finish(platform::DownloadResult result) {
    downloads.Finish(std::move(result));
    h.RunFor(50);
  }
  const platform::Element& Advert() { return h.El("WebBrowser1"); }

  FakeDownloader downloads{h.loop};
};

TEST_F(WebPanelTest, TheLoginReplyFetchesTheAdvertisement) {
  EXPECT_EQ(downloads.urls, std::vector<std::string>{kAdPage});
  EXPECT_EQ(Advert().url, kAdPage);
  EXPECT_EQ(model::AdPanelPage, std::string(kAdPage) + ".gamead");
}

struct Outcome {
  const char* name;
  bool fetched;                   // the fetch succeeds, or fails
  std::vector<EventKind> events;  // what the panel reports after that
  bool shown;
  friend void PrintTo(const Outcome& o, std::ostream* out) { *out << o.name; }
};

class AdvertOutcomeTest : public WebPanelTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(AdvertOutcomeTest, ShowsOnlyAPageThatLoaded) {
  Finish(GetParam().fetched ? Page("<p>新春大礼包</p>") : Failure());
  for (const EventKind kind : GetParam().events) Fire("WebBrowser1", {}, kind);
  EXPECT_EQ(Advert().visible, GetParam().shown);
  EXPECT_EQ(model::AdLoadFailed, !GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Events, AdvertOutcomeTest,
    ::testing::Values(Outcome{"Loaded", true, {}, true}, Outcome{"Failed", false, {}, false},
                      Outcome{"FailedThenLoaded", false, {EventKind::PageLoaded}, false},
                      Outcome{"LoadedThenFailed", true, {EventKind::NavigationFailed}, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(WebPanelTest, ALoadedAdvertStandsOverBirdInFrontWithItsPage) {
  const auto& bird = h.El("Bird");
  h.El("WebBrowser1").left = 0;  // wherever it was
  Finish(Page("<p>新春大礼包</p>"));
  EXPECT_EQ(Advert().page, "<p>新春大礼包</p>");
  EXPECT_DOUBLE_EQ(Advert().left, bird.left + 2);
  EXPECT_DOUBLE_EQ(Advert().top, bird.top + 2);
  EXPECT_EQ(Advert().width, bird.width);
  EXPECT_EQ(Advert().height, bird.height);
  EXPECT_GT(Advert().z, bird.z);
}

TEST_F(WebPanelTest, APageThatIsNotUtf8IsReadAsGbk) {
  const std::string gbk = text::Utf8ToAnsi("<p>欢迎光临</p>").value();
  Finish(Page(gbk));
  EXPECT_EQ(Advert().page, "<p>欢迎光临</p>");
}

TEST_F(WebPanelTest, TheNoticePanelFetchesTheGameadPageAndHidesWhenItFails) {
  Finish(Page("ad"));
  view::Navigate("WebBrowser2", model::AdPanelPage);
  auto& notice = h.El("WebBrowser2");
  notice.visible = true;
  EXPECT_EQ(downloads.urls.back(), std::string(kAdPage) + ".gamead");
  Finish(Failure());
  EXPECT_FALSE(notice.visible);
  EXPECT_FALSE(model::AdLoadFailed);
}

TEST_F(WebPanelTest, ANewAddressForgetsTheFetchBeforeIt) {
  view::Navigate("WebBrowser1", "http://127.0.0.1:8080/other.html");
  EXPECT_EQ(downloads.cancelled.size(), 1u);
  EXPECT_EQ(downloads.Pending(), 1u);
  view::CancelNavigations();
  EXPECT_EQ(downloads.Pending(), 0u);
}

TEST(WebPanelWithoutDownloadsTest, ThePageFailsAndThePanelStaysAway) {
  sim::ClientHarness h;
  h.StartAtTable();
  h.ServerSend(LoginReplyFrame({.turn_seconds = 15, .ad_page = kAdPage}));
  h.RunFor(300);
  EXPECT_FALSE(h.El("WebBrowser1").visible);
  EXPECT_TRUE(model::AdLoadFailed);
}

}  // namespace
}  // namespace tlj::testing
