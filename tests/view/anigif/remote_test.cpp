#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_downloader.h"
#include "tests/view/anigif/control_fixture.h"

namespace tlj::view::anigif::testing {
namespace {

class RemoteTest : public ::testing::Test {
 protected:
  RemoteTest() {
    element.width = element.height = 50;
    control.RemoteLoadComplete = [this](bool& cancel, int width, int height) {
      events.push_back("complete " + std::to_string(width) + "x" + std::to_string(height));
      cancel = cancel_load;
    };
    control.RemoteLoadFailure = [this] { events.push_back("failure"); };
  }

  void Arrive(platform::DownloadResult result) {
    downloads.Finish(std::move(result));
    loop.ProcessReadyEvents();
  }

  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  tlj::testing::FakeDownloader downloads{loop};
  platform::Element element;
  Control control{loop, element, &downloads};
  std::vector<std::string> events;
  bool cancel_load = false;
  std::vector<std::uint8_t> gif = BuildGif(Frames({10, 10}, 10, 5));
};

TEST_F(RemoteTest, ADownloadedGifLoadsAndFitsTheElement) {
  control.LoadAnimatedGIF_Remote("http://example.test/pot.gif");
  EXPECT_EQ(downloads.urls, std::vector<std::string>{"http://example.test/pot.gif"});
  EXPECT_TRUE(events.empty()) << "nothing before the download ends";
  Arrive({true, gif, {}});
  EXPECT_EQ(events, std::vector<std::string>{"complete 10x5"});
  EXPECT_EQ(control.FrameCount(), 2);
  EXPECT_EQ(element.width, 50);
  EXPECT_EQ(element.height, 25) << "Stretch 1 fits the element to the picture";
}

TEST_F(RemoteTest, TheCompleteHandlerMayKeepItFromLoading) {
  cancel_load = true;
  control.LoadAnimatedGIF_Remote("http://example.test/pot.gif");
  Arrive({true, gif, {}});
  EXPECT_EQ(events, std::vector<std::string>{"complete 10x5"});
  EXPECT_EQ(control.FrameCount(), 0);
  EXPECT_EQ(element.image, nullptr);
}

TEST_F(RemoteTest, FailuresAreReportedWithTheirReason) {
  struct Case {
    platform::DownloadResult result;
    std::string reason;
  };
  const std::vector<std::uint8_t> cut(gif.begin(), gif.end() - 3);
  const Case cases[] = {
      {{false, {}, "HTTP status 404"}, "HTTP status 404"},
      {{true, {gif.begin(), gif.begin() + 14}, {}}, "Not a GIF file"},
      {{true, std::vector<std::uint8_t>(20, 'x'), {}}, "Not a GIF file"},
      {{true, cut, {}}, "End of File"},
  };
  for (const Case& c : cases) {
    events.clear();
    control.LoadAnimatedGIF_Remote("http://example.test/x.gif");
    Arrive(c.result);
    EXPECT_EQ(events.back(), "failure") << c.reason;
    EXPECT_EQ(control.LastError().text, c.reason);
    EXPECT_EQ(control.FrameCount(), 0);
  }
}

TEST_F(RemoteTest, ADownloadThatCannotStartFailsAtOnce) {
  downloads.start_error = "https is not supported";
  control.LoadAnimatedGIF_Remote("https://example.test/pot.gif");
  EXPECT_EQ(events, std::vector<std::string>{"failure"});
  EXPECT_EQ(control.LastError().source, "remoteGIF");
  EXPECT_EQ(control.LastError().text, "https is not supported");
}

TEST_F(RemoteTest, WithoutADownloaderEveryRemoteLoadFails) {
  Control alone(loop, element);
  bool failed = false;
  alone.RemoteLoadFailure = [&] { failed = true; };
  alone.LoadAnimatedGIF_Remote("http://example.test/pot.gif");
  EXPECT_TRUE(failed);
}

TEST_F(RemoteTest, ANewerLoadOrTheControlsEndCancelsThePendingDownload) {
  control.LoadAnimatedGIF_Remote("http://example.test/a.gif");
  control.LoadAnimatedGIF_Remote("http://example.test/b.gif");
  EXPECT_EQ(downloads.cancelled, std::vector<int>{1});
  ASSERT_TRUE(control.LoadAnimatedGIF_Array(gif));
  EXPECT_EQ(downloads.cancelled, (std::vector<int>{1, 2}));
  EXPECT_EQ(downloads.Pending(), 0u);
  {
    Control brief(loop, element, &downloads);
    brief.LoadAnimatedGIF_Remote("http://example.test/c.gif");
  }
  EXPECT_EQ(downloads.cancelled, (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace tlj::view::anigif::testing
