// The web panels in the real window: the advertisement drawn over the bird once its page is in,
// without a context menu, and the notice under the seat-change caption.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include <QImage>

#include "core/model/table_state.h"
#include "core/view/web_panels.h"
#include "desktop/web_panel.h"
#include "tests/desktop/table_window_fixture.h"
#include "tests/desktop/test_application.h"
#include "tests/support/fake_downloader.h"
#include "tests/support/frames.h"

namespace tlj::desktop::testing {
namespace {

constexpr const char* kAdvert =
    "<html><body bgcolor=\"#8e1414\"><p align=\"center\"><span style=\"font-size:16px; "
    "font-weight:bold; color:#f6c945\">星湖山庄</span><br><span style=\"font-size:15px; "
    "color:#ffedb5\">新春礼包</span></p></body></html>";

constexpr const char* kNotice =
    "<html><body bgcolor=\"#8e1414\"><table width=\"100%\" cellspacing=\"0\"><tr><td "
    "align=\"center\"><span style=\"font-size:13px; color:#f6c945\">正在为您换座</span></td></tr>"
    "<tr><td bgcolor=\"#fff4d6\" align=\"center\" style=\"padding-top:10px; "
    "padding-bottom:10px\"><span style=\"font-size:12px; color:#6b4a1e\">祝您好运</span></td>"
    "</tr></table></body></html>";

class WebPanelInWindowTest : public TableWindowFixture {
 protected:
  void TearDown() override {
    platform::Sys().downloader = nullptr;
    TableWindowFixture::TearDown();
  }
  WebPanel* Panel(const char* name = "WebBrowser1") {
    return static_cast<WebPanel*>(
        renderer->View("MainForm")->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly));
  }

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

TEST_F(WebPanelInWindowTest, TheNoticeShowsUnderTheSeatChangeCaption) {
  platform::Sys().downloader = &downloads;
  model::AdPanelPage = "http://127.0.0.1:8080/ad.html.gamead";
  Deal();
  Send(::tlj::testing::EndOfHandFrame({.shuffle_after_game = 1, .show_shuffle_now = 1}));
  ASSERT_EQ(downloads.urls.back(), model::AdPanelPage);
  downloads.Finish({true, {kNotice, kNotice + std::strlen(kNotice)}, {}});
  h.RunFor(50);
  renderer->Sync();
  WebPanel* panel = Panel("WebBrowser2");
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(panel->isVisible());
  const QRect caption = OnWindow(h.El("ImgShuffle"));
  EXPECT_EQ(panel->geometry(),
            QRect(caption.left(), caption.bottom() + 1, caption.width(), 2 * caption.height()));

  const QImage table = Table();
  table.save(QString::fromStdString((kShots / "web-panel-notice.png").string()));
  // The red band with its gold words on top, the cream band below.
  const QRect inside = panel->geometry();
  const QColor top(table.pixel(inside.left() + 2, inside.top() + 2));
  const QColor low(table.pixel(inside.center().x(), inside.top() + inside.height() * 2 / 3));
  EXPECT_GT(top.red(), 120);
  EXPECT_LT(top.green(), 40);
  EXPECT_GT(low.red(), 240);
  EXPECT_GT(low.green(), 230);
}

// A page can name a picture on this machine; the panel never reads it.
TEST(RenderPageTest, PicturesThePageNamesStayOut) {
  TestApplication();
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "tlj-web-panel-picture.png";
  QImage blue(40, 40, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(QString::fromStdString(file.string())));
  const std::string page = "<html><body><img src=\"file://" + file.string() + "\"><img src=\"" +
                           file.string() + "\"></body></html>";
  const QImage shown = RenderPage(page, QSize(100, 60));
  std::filesystem::remove(file);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      ASSERT_NE(QColor(shown.pixel(x, y)), QColor(Qt::blue)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace tlj::desktop::testing
