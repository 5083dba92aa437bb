#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "core/game/cards.h"
#include "core/view/animations.h"
#include "core/view/layout.h"
#include "desktop/element_style.h"
#include "desktop/renderer.h"
#include "tests/desktop/table_window_fixture.h"
#include "tests/support/table_fixture.h"

namespace tlj::desktop {
namespace {

using platform::ElementEvent;
using platform::EventKind;

using TableWindowTest = testing::TableWindowFixture;
using testing::kShots;
using testing::PictureHas;

TEST_F(TableWindowTest, TheBorderComesFromTheSkinAndTheSurfaceFromItsPicture) {
  const QImage table = Table();
  ASSERT_EQ(table.size(), QSize(1040, 796));
  const platform::Image& skin = *h.El("Skin").image;
  const auto skin_at = [&skin](int x, int y) {
    const std::uint8_t* p = skin.Pixel(x, y);
    return QColor(p[0], p[1], p[2]);
  };
  // The border: 8 pixels at the left, right and bottom, the caption strip 20 high. The strips
  // are stretched along their length only, so each window pixel is its skin pixel across.
  struct Spot {
    QPoint window;
    QPoint skin;
  };
  const Spot spots[] = {
      {{3, 400}, {3, 100}},      // left edge
      {{1036, 400}, {42, 100}},  // right edge
      {{520, 10}, {12, 10}},     // top edge
      {{520, 792}, {12, 216}},   // bottom edge
  };
  for (const Spot& s : spots) {
    SCOPED_TRACE(std::to_string(s.window.x()) + "," + std::to_string(s.window.y()));
    EXPECT_EQ(table.pixelColor(s.window), skin_at(s.skin.x(), s.skin.y()));
  }
  // An empty spot of the surface, between the seats and the pot, shows its picture, not the
  // plain ground kept for a surface without one.
  const QPoint spot(320, 420);
  const QColor ground = table.pixelColor(spot + QPoint(8, 20));
  EXPECT_NE(ground, ModelColor(kTableGround));
  const platform::Image& felt = *h.El("Pic1").image;
  const std::uint8_t* p = felt.Pixel(spot.x(), spot.y());
  EXPECT_EQ(ground, QColor(p[0], p[1], p[2]));
}

TEST_F(TableWindowTest, TheCaptionButtonsShowTheirPicturesAtTheRightOfTheStrip) {
  const QImage table = Table();
  for (const char* name : {"ImgClose", "imgMin"}) {
    SCOPED_TRACE(name);
    const platform::Element& button = h.El(name, 0);
    const QRect at(view::Px(button.left), view::Px(button.top), view::Px(button.width),
                   view::Px(button.height));
    EXPECT_GT(at.left(), 900);
    EXPECT_LE(at.bottom(), 20);
    const QPoint middle = at.center();
    const std::uint8_t* p = button.image->Pixel(middle.x() - at.left(), middle.y() - at.top());
    if (p[3] == 255) {
      EXPECT_EQ(table.pixelColor(middle), QColor(p[0], p[1], p[2]));
    }
  }
}

TEST_F(TableWindowTest, ADealtCardShowsItsPictureAtItsPlace) {
  Deal();
  const QImage table = Table();
  int faces = 0;
  for (int i = 0; i < 12; ++i) {
    const platform::Element& card = h.El("imgDiPai", i);
    if (!card.visible || card.picture == game::kCardBack) continue;
    ++faces;
    ASSERT_TRUE(card.image);
    ASSERT_TRUE(card.stretch);
    const QRect place = OnWindow(card);
    ASSERT_EQ(place.size(), QSize(90, 120)) << i;
    int compared = 0;
    for (int y = 3; y < place.height() - 3; y += 7) {
      for (int x = 3; x < place.width() - 3; x += 7) {
        const auto drawn = table.pixelColor(place.left() + x, place.top() + y);
        const auto found = PictureHas(*card.image, place.size(), {x, y}, drawn);
        if (!found) continue;  // near the rounded corners, where the table shows through
        ++compared;
        EXPECT_TRUE(*found) << "card " << i << " at " << x << "," << y;
      }
    }
    EXPECT_GT(compared, 150) << i;
  }
  EXPECT_EQ(faces, 2);  // the user's two gate cards

  std::filesystem::create_directories(kShots);
  const auto shot = kShots / "desktop-table-after-deal.png";
  EXPECT_EQ(renderer->Snapshot("MainForm", shot.string()), "");
  EXPECT_EQ(QImage(QString::fromStdString(shot.string())).size(), QSize(1040, 796));
}

TEST_F(TableWindowTest, ALabelsCaptionDrawsInsideItsRectangleOnly) {
  h.El("lblCaiChi").caption = "";
  const QImage before = Table();
  h.El("lblCaiChi").caption = "123456";
  const QImage after = Table();
  const QRect label = OnWindow(h.El("lblCaiChi"));
  int changed = 0;
  int dark = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      if (before.pixel(x, y) == after.pixel(x, y)) continue;
      ++changed;
      EXPECT_TRUE(label.contains(x, y)) << x << "," << y;
      if (after.pixelColor(x, y).lightness() < 96) ++dark;
    }
  }
  EXPECT_GT(changed, 30);
  EXPECT_GT(dark, 20);  // black figures
}

TEST_F(TableWindowTest, AClickOnAButtonReachesTheModelAsAClickOnIt) {
  Record("AnNiu", {EventKind::MouseDown, EventKind::MouseUp, EventKind::Click});
  const QRect button = OnWindow(h.El("AnNiu", 2));
  QTest::mouseClick(renderer->View("MainForm"), Qt::LeftButton, {}, button.center());
  h.RunFor(50);

  ASSERT_EQ(reached.size(), 3u);
  const EventKind kinds[] = {EventKind::MouseDown, EventKind::MouseUp, EventKind::Click};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(reached[k].kind, kinds[k]) << k;
    EXPECT_EQ(reached[k].name, "AnNiu") << k;
    EXPECT_EQ(reached[k].index, 2) << k;
  }
  EXPECT_EQ(reached[0].button, 1);
  EXPECT_EQ(reached[0].x, button.center().x() - button.left());
  EXPECT_EQ(reached[0].y, button.center().y() - button.top());
}

TEST_F(TableWindowTest, TypingIntoTheChatLineGoesThroughTheModel) {
  auto* line = renderer->View("MainForm")->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->geometry(), OnWindow(h.El("Chat")));
  EXPECT_EQ(line->maxLength(), 100);
  h.tree.SetFocus({"MainForm", "Chat", {}});
  renderer->Sync();
  EXPECT_EQ(renderer->View("MainForm")->focusWidget(), line);

  QTest::keyClicks(line, "ab");
  h.RunFor(50);
  EXPECT_EQ(h.El("Chat").caption, "ab");
  EXPECT_EQ(h.El("Chat").caret, 2);

  h.El("Chat").caption = "你好";
  h.El("Chat").caret = 1;
  renderer->Sync();
  EXPECT_EQ(line->text(), QString::fromUtf8("你好"));
  EXPECT_EQ(line->cursorPosition(), 1);
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

// A coin flight blocks between its steps; the loop's render hook draws the table at each of
// those waits, so that each step is seen.
TEST_F(TableWindowTest, EachStepOfABlockingFlightIsDrawnAtItsWait) {
  PaintCounter counter;
  renderer->View("MainForm")->installEventFilter(&counter);
  std::vector<int> paints;
  h.loop.SetRenderHook([&] {
    renderer->Render();
    paints.push_back(counter.paints);
  });
  view::StakeFlight(0, 100);
  h.loop.SetRenderHook({});
  ASSERT_GT(paints.size(), 5u);
  for (std::size_t k = 1; k < paints.size(); ++k) EXPECT_GT(paints[k], paints[k - 1]) << k;
}

// Without a window manager to move it, the window follows the pointer itself while the button
// pressed on its caption strip stays down, and the model learns where it ended.
TEST_F(TableWindowTest, DraggingTheCaptionStripMovesTheWindow) {
  QWidget* window = renderer->View("MainForm");
  const QPoint grip(300, 10);  // on the caption strip, away from its buttons
  QTest::mousePress(window, Qt::LeftButton, {}, grip);
  h.RunFor(50);
  renderer->Sync();
  EXPECT_EQ(h.tree.Win("MainForm").moveRequests, 1u);
  EXPECT_EQ(h.El("LbMove").pointer, platform::Pointer::Move);
  const QPoint start = window->pos();
  QMouseEvent drag(QEvent::MouseMove, QPointF(grip + QPoint(40, 25)),
                   QPointF(window->mapToGlobal(grip + QPoint(40, 25))), Qt::NoButton,
                   Qt::LeftButton, {});
  QCoreApplication::sendEvent(window, &drag);
  QTest::mouseRelease(window, Qt::LeftButton, {}, grip + QPoint(40, 25));
  h.RunFor(50);
  EXPECT_EQ(window->pos(), start + QPoint(40, 25));
  EXPECT_EQ(h.tree.Win("MainForm").left, start.x() + 40);
  EXPECT_EQ(h.tree.Win("MainForm").top, start.y() + 25);
}

// The wheel over a ranking list scrolls it, and the lists that follow it, three lines a notch.
TEST_F(TableWindowTest, TheWheelScrollsARankingListAndTheOthersFollow) {
  for (int i = -1; i <= 3; ++i) {
    auto& list = i < 0 ? h.tree.El("Hero", "Num") : h.tree.El("Hero", "Grade", i);
    list.lines.assign(40, "x");
  }
  h.tree.Win("Hero").visible = true;
  renderer->Sync();
  const auto& grade = h.tree.El("Hero", "Grade", 1);
  const QPoint over(view::Px(grade.left + 10), view::Px(grade.top + 10));
  QWheelEvent wheel(QPointF(over), QPointF(renderer->View("Hero")->mapToGlobal(over)), QPoint(),
                    QPoint(0, -240), Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(renderer->View("Hero"), &wheel);
  h.RunFor(50);
  EXPECT_EQ(grade.topLine, 6);
  EXPECT_EQ(h.tree.El("Hero", "Num").topLine, 6);
  EXPECT_EQ(h.tree.El("Hero", "Grade", 3).topLine, 6);
}

TEST_F(TableWindowTest, TheCloseButtonAsksTheModel) {
  Record("", {EventKind::CloseRequest});
  QWidget* window = renderer->View("MainForm");
  ASSERT_TRUE(window->isVisible());
  window->close();
  h.RunFor(50);
  ASSERT_EQ(reached.size(), 1u);
  EXPECT_EQ(reached[0].kind, EventKind::CloseRequest);
  EXPECT_EQ(reached[0].name, "");
  EXPECT_TRUE(window->isVisible());  // the model decides
}

}  // namespace
}  // namespace tlj::desktop
