// A scripted game in the real table window: what a player sees after the first deal, during
// their turn with the keypad open, on the score sheet and in the leave dialog; and a turn
// clicked through in the window sends what the same clicks through the automation channel send.
// The snapshots stay in /tmp/tlj-shots for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

#include "core/net/frame.h"
#include "core/platform/lobby_link.h"
#include "core/view/layout.h"
#include "core/view/table_windows.h"
#include "tests/desktop/table_window_fixture.h"

namespace tlj::desktop {
namespace {

using ::tlj::testing::GameOverFrame;
using ::tlj::testing::GameResult;
using ::tlj::testing::NewHandFrame;
using ::tlj::testing::TurnFrame;

class GameInTheWindowTest : public testing::TableWindowFixture {
 protected:
  void Save(const QImage& image, const std::string& name) {
    std::filesystem::create_directories(testing::kShots);
    image.save(QString::fromStdString((testing::kShots / name).string()));
  }

  // The share of sample points of `e` (every fourth pixel each way) where the drawn window has
  // the colour of e's picture, stretched or not as the element says; points where the picture
  // is not opaque do not count.
  double PictureShare(const QImage& drawn, const std::string& window, const platform::Element& e) {
    const platform::Window* w = h.tree.FindWin(window);
    if (w == nullptr || !e.image) return 0;
    for (const PlacedElement& placed : PlaceElements(*w)) {
      if (placed.element != &e) continue;
      const QSize size = e.stretch ? placed.rect.size() : QSize(e.image->width, e.image->height);
      int counted = 0;
      int same = 0;
      for (int y = 2; y < placed.clip.height() - 2; y += 4) {
        for (int x = 2; x < placed.clip.width() - 2; x += 4) {
          const QPoint at = placed.clip.topLeft() - placed.rect.topLeft() + QPoint(x, y);
          const auto found =
              testing::PictureHas(*e.image, size, at, drawn.pixelColor(placed.rect.topLeft() + at));
          if (!found) continue;
          ++counted;
          if (*found) ++same;
        }
      }
      return counted == 0 ? 0 : static_cast<double>(same) / counted;
    }
    return 0;
  }

  // Pixels of `rect` for which `counts(x, y)` holds.
  template <typename Counts>
  static int PixelsWhere(const QRect& rect, Counts counts) {
    int pixels = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        if (counts(x, y)) ++pixels;
    return pixels;
  }

  // Pixels of `rect` that stand out from the window's ground: text or a picture drawn there.
  static int Marks(const QImage& drawn, const QRect& rect, const QColor& ground) {
    return PixelsWhere(rect, [&](int x, int y) { return drawn.pixelColor(x, y) != ground; });
  }

  QRect Rect(const platform::Element& e) {
    return QRect(view::Px(e.left), view::Px(e.top), view::Px(e.width), view::Px(e.height));
  }

  // The user's turn clicked through: the keys 1, 0, 0 and the confirm button.
  template <typename Click>
  void BetOneHundred(Click click) {
    for (int key : {1, 0, 0}) click("ImgNum", key);
    click("Operation", 1);
  }
};

TEST_F(GameInTheWindowTest, EachStageOfAGameShowsWhereTheLayoutPutsIt) {
  // The first deal: the user's two gate cards, face up, with their pictures.
  Deal();
  const QImage dealt = Table();
  Save(dealt, "game-1-first-deal.png");
  for (int card : {0, 1}) {
    const platform::Element& e = h.El("imgDiPai", card);
    ASSERT_TRUE(e.visible) << card;
    EXPECT_GT(PictureShare(dealt, "MainForm", e), 0.9) << "card " << card;
  }

  // The user's turn: the keypad, the bet and give-up buttons and the timer, each its picture.
  ASSERT_TRUE(h.El("Operation", 1).visible);
  const QImage turn = Table();
  Save(turn, "game-2-turn-keypad.png");
  for (int key = 0; key <= 14; ++key)
    EXPECT_GT(PictureShare(turn, "MainForm", h.El("ImgNum", key)), 0.9) << "key " << key;
  for (int button : {1, 2})
    EXPECT_GT(PictureShare(turn, "MainForm", h.El("Operation", button)), 0.9) << button;
  EXPECT_GT(PictureShare(turn, "MainForm", h.El("Time_Img")), 0.8);

  // The score sheet at the end of the game: its own window with the players' avatars and names.
  Send(GameOverFrame(GameResult{}));
  ASSERT_TRUE(h.tree.Win("Score").visible);
  const QImage sheet = Grab("Score");
  Save(sheet, "game-3-score-sheet.png");
  const QColor sheet_ground = renderer->View("Score")->palette().color(QPalette::Window);
  for (int pos = 0; pos <= 3; ++pos) {
    EXPECT_GT(PictureShare(sheet, "Score", h.tree.El("Score", "Tou", pos)), 0.9) << pos;
    EXPECT_GT(Marks(sheet, Rect(h.tree.El("Score", "ID", pos)), sheet_ground), 20) << pos;
  }

  // The leave dialog, over the middle of the table, its question drawn.
  ClickInWindow("MainForm", "AnNiu", 8);
  const platform::Window& dialog = h.tree.Win("frmExit");
  ASSERT_TRUE(dialog.visible);
  const platform::Window& table = h.tree.Win("MainForm");
  EXPECT_NEAR(dialog.left + dialog.width / 2, table.left + table.width / 2, 1);
  EXPECT_NEAR(dialog.top + dialog.height / 2, table.top + table.height / 2, 1);
  const QImage leave = Grab("frmExit");
  Save(leave, "game-4-leave-dialog.png");
  const QColor leave_ground = renderer->View("frmExit")->palette().color(QPalette::Window);
  EXPECT_GT(Marks(leave, Rect(h.tree.El("frmExit", "Label1")), leave_ground), 50);
}

// Told by the lobby to leave at the user's turn and sent back: while the new link logs in, the
// table shows no bet or give-up button of the old turn where the turn showed them.
TEST_F(GameInTheWindowTest, ATableLeftAtTheUsersTurnComesBackWithoutItsButtons) {
  Deal();
  ASSERT_TRUE(h.El("Operation", 1).visible);
  const QImage turn = Table();
  h.lobby.PostToClient(platform::kLeaveNow);
  h.RunFor(1'000);
  h.lobby.PostToClient(platform::kEnterTable);
  h.lobby.PostToClient(platform::kWmSysCommand, platform::kScRestore);
  h.RunFor(300);
  ASSERT_FALSE(h.tree.Win("MainForm").minimized);
  const QImage back = Table();
  Save(back, "game-6-back-after-leaving-at-the-turn.png");
  for (int button : {1, 2}) {
    const platform::Element& e = h.El("Operation", button);
    EXPECT_FALSE(e.visible) << button;
    const QRect area = OnWindow(e);
    const int changed = PixelsWhere(
        area, [&](int x, int y) { return back.pixelColor(x, y) != turn.pixelColor(x, y); });
    EXPECT_GT(changed, area.width() * area.height() / 2) << "button " << button << " still drawn";
  }
}

// The notice window over the table, on top, its text and both buttons drawn.
TEST_F(GameInTheWindowTest, TheNoticeWindowShowsItsTextAndButtons) {
  h.tree.El("frmOtherExit", "Label1").caption = "您的金币不足，请离开本桌！";
  view::ShowOtherExit();
  renderer->Sync();
  const QImage notice = Grab("frmOtherExit");
  Save(notice, "game-5-notice.png");
  EXPECT_TRUE(h.tree.Win("frmOtherExit").topmost);
  for (const char* button : {"imgOK", "imgCancel"})
    EXPECT_GT(PictureShare(notice, "frmOtherExit", h.tree.El("frmOtherExit", button)), 0.9)
        << button;
  const platform::Element& text = h.tree.El("frmOtherExit", "Label1");
  int dark = 0;
  for (int y = view::Px(text.top); y < view::Px(text.top + text.height); ++y)
    for (int x = view::Px(text.left); x < view::Px(text.left + text.width); ++x)
      if (notice.pixelColor(x, y).lightness() < 80) ++dark;
  EXPECT_GT(dark, 50);
}

TEST_F(GameInTheWindowTest, ATurnClickedInTheWindowSendsWhatTheAutomationSends) {
  Deal();
  BetOneHundred([this](const char* name, int index) { ClickInWindow("MainForm", name, index); });
  const auto in_window = Sent(net::kTypeBet);
  ASSERT_EQ(in_window.size(), 1u);

  // The next hand's turn, the same clicks as the automation channel makes them.
  Send(NewHandFrame(100));
  Send(TurnFrame({.seat = 1, .rank0 = 5, .rank1 = 11}), testing::kDealTime);
  BetOneHundred([this](const char* name, int index) {
    Click(name, index);
    h.RunFor(100);
  });
  const auto both = Sent(net::kTypeBet);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0], both[1]);
}

}  // namespace
}  // namespace tlj::desktop
