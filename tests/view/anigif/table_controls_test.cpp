#include "core/view/anigif/table_controls.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/platform/services.h"
#include "sim/virtual_clock.h"
#include "tests/support/fake_downloader.h"
#include "tests/view/anigif/pot_gif.h"

namespace tlj::view::anigif {
namespace {

class TableControlsTest : public ::testing::Test {
 protected:
  TableControlsTest() : saved_(platform::Sys()) {
    platform::Sys().loop = &loop;
    platform::Sys().ui = &tree;
    pot.width = pot.height = 150;  // the reduced layout's 192 x 192
  }
  ~TableControlsTest() override {
    DestroyTableControls();
    platform::Sys() = saved_;
  }

  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  platform::ElementTree tree;
  platform::Element& pot =
      *tree.AddWindow("MainForm",
                      [](platform::ElementTree& ui, platform::Window& w) {
                        ui.Add(w, "ucBuGuo", {}, platform::ElementKind::AnimatedPicture);
                      })
           .elements.front();

 private:
  platform::Services saved_;
};

TEST_F(TableControlsTest, ThePotsControlLivesBetweenCreateAndDestroy) {
  EXPECT_THROW(TablePotControl(), std::logic_error);
  CreateTableControls();
  EXPECT_EQ(TablePotControl().FrameCount(), 0);
  DestroyTableControls();
  EXPECT_THROW(TablePotControl(), std::logic_error);
  EXPECT_EQ(loop.NextTimerDue(), platform::kForever);
}

TEST_F(TableControlsTest, ThePotPlaysInUcBuGuoWithoutEnd) {
  CreateTableControls();
  Control& control = TablePotControl();
  control.SetVisible(true);
  ASSERT_TRUE(control.LoadAnimatedGIF_Array(tlj::testing::BuildGif(testing::PotGif())));
  EXPECT_TRUE(pot.visible);
  ASSERT_TRUE(pot.image);
  EXPECT_EQ(pot.image->width, 150);
  EXPECT_EQ(pot.width, 150);
  EXPECT_EQ(control.Loops(), 0);
  loop.ProcessEventsUntil(60'000);
  EXPECT_EQ(control.Action(), kPlaying);
  control.SetVisible(false);
  EXPECT_FALSE(pot.visible);
  EXPECT_EQ(control.Action(), kPaused);
}

TEST_F(TableControlsTest, ThePotDownloadsThroughTheServicesDownloaderWhenThereIsOne) {
  tlj::testing::FakeDownloader downloads{loop};
  struct Case {
    const char* name;
    platform::Downloader* downloader;
    const char* error;
  };
  const Case cases[] = {{"none", nullptr, "No downloads on this platform"},
                        {"installed", &downloads, ""}};
  bool failed = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::Sys().downloader = c.downloader;
    CreateTableControls();
    failed = false;
    TablePotControl().RemoteLoadFailure = [&] { failed = true; };
    TablePotControl().LoadAnimatedGIF_Remote("http://example.test/pot.gif");
    EXPECT_EQ(failed, c.downloader == nullptr);
    EXPECT_EQ(TablePotControl().LastError().text, c.error);
  }
  EXPECT_EQ(downloads.urls, std::vector<std::string>{"http://example.test/pot.gif"});
  DestroyTableControls();
  EXPECT_EQ(downloads.cancelled, std::vector<int>{1}) << "the control lets go of its download";
}

}  // namespace
}  // namespace tlj::view::anigif
