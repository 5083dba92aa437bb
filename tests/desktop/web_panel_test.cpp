// The advertisement panel in the real window: the page the client fetched, drawn over the bird
// once it is in, without a context menu.

#include <gtest/gtest.h>

#include <QTextBrowser>

#include "core/view/web_panels.h"
#include "desktop/web_panel.h"
#include "tests/desktop/table_window_fixture.h"
#include "tests/support/fake_downloader.h"

namespace tlj::desktop::testing {
namespace {

constexpr const char* kAdvert =
    "<html><body bgcolor=\"#8e1414\"><p align=\"center\"><span style=\"font-size:16px; "
    "font-weight:bold; color:#f6c945\">星湖山庄</span><br><span style=\"font-size:15px; "
    "color:#ffedb5\">新春礼包</span></p></body></html>";

class WebPanelInWindowTest : public TableWindowFixture {
 protected:
  void TearDown() override {
    platform::Sys().downloader = nullptr;
    TableWindowFixture::TearDown();
  }
  WebPanel* Panel() { return renderer->View("MainForm")->findChild<WebPanel*>(); }

  ::tlj::testing::FakeDownloader downloads{h.loop};
};

TEST_F(WebPanelInWindowTest, TheAdvertisementShowsOverTheBirdOnceItsPageIsIn) {
  platform::Sys().downloader = &downloads;
  view::Navigate("WebBrowser1", "http://127.0.0.1:8080/ad.html");
  h.El("WebBrowser1").visible = true;
  renderer->Sync();
  EXPECT_EQ(Panel(), nullptr) << "no view before there is a page";

  downloads.Finish({true, {kAdvert, kAdvert + std::strlen(kAdvert)}, {}});
  h.RunFor(50);
  renderer->Sync();
  WebPanel* panel = Panel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->contextMenuPolicy(), Qt::NoContextMenu);
  const QRect bird = OnWindow(h.El("Bird"));
  EXPECT_EQ(panel->geometry(), QRect(bird.topLeft() + QPoint(2, 2), bird.size()));

  const QImage table = Table();
  std::filesystem::create_directories(kShots);
  table.save(QString::fromStdString((kShots / "web-panel-advert.png").string()));
  // The page's dark red ground fills the panel, and its gold words are written on it.
  const QRect inside = panel->geometry();
  int red = 0, gold = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor c(table.pixel(x, y));
      red += c.red() > 120 && c.red() < 160 && c.green() < 40 && c.blue() < 40;
      gold += c.red() > 200 && c.green() > 150 && c.blue() < 190;
    }
  }
  const int area = inside.width() * inside.height();
  EXPECT_GT(red, area / 2);
  EXPECT_GT(gold, 40);
}

TEST_F(WebPanelInWindowTest, AFailedAdvertisementNeverShows) {
  platform::Sys().downloader = &downloads;
  view::Navigate("WebBrowser1", "http://127.0.0.1:8080/ad.html");
  h.El("WebBrowser1").visible = true;
  downloads.Finish({false, {}, "refused"});
  h.RunFor(50);
  Fire("WebBrowser1", {}, platform::EventKind::PageLoaded);
  renderer->Sync();
  EXPECT_FALSE(h.El("WebBrowser1").visible);
  EXPECT_TRUE(Panel() == nullptr || !Panel()->isVisible());
}

}  // namespace
}  // namespace tlj::desktop::testing
