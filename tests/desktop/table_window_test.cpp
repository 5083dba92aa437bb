#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "core/game/cards.h"
#include "core/view/animations.h"
#include "desktop/element_style.h"
#include "desktop/renderer.h"
#include "tests/desktop/test_application.h"
#include "tests/support/table_fixture.h"

namespace tlj::desktop {
namespace {

using platform::ElementEvent;
using platform::EventKind;

constexpr platform::TimeMs kDealTime = 1000;  // the gate cards' slides
const std::filesystem::path kShots = "/tmp/tlj-shots";

// Whether `drawn` is the colour of the picture's pixel that lands at `at` when the picture is
// stretched to `size`, or of one next to it (the scaling rounds either way); none when the
// picture is not opaque there.
std::optional<bool> PictureHas(const platform::Image& picture, QSize size, QPoint at,
                               const QColor& drawn) {
  const int sx = (2 * at.x() + 1) * picture.width / (2 * size.width());
  const int sy = (2 * at.y() + 1) * picture.height / (2 * size.height());
  bool same = false;
  for (int y = sy - 1; y <= sy + 1; ++y) {
    for (int x = sx - 1; x <= sx + 1; ++x) {
      if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return std::nullopt;
      const std::uint8_t* p = picture.Pixel(x, y);
      if (p[3] != 255) return std::nullopt;
      same = same || drawn == QColor(p[0], p[1], p[2]);
    }
  }
  return same;
}

// The whole client on the simulated table, its windows drawn by the desktop front end.
class TableWindowTest : public ::tlj::testing::LoggedInFixture {
 protected:
  void SetUp() override {
    testing::TestApplication();
    LoggedInFixture::SetUp();
    SeatEveryone();
    renderer = std::make_unique<Renderer>(h.tree, h.loop);
    renderer->Sync();
  }
  void TearDown() override { renderer.reset(); }

  QImage Table() { return renderer->Grab("MainForm").convertToFormat(QImage::Format_RGB32); }
  // Where the layout puts an element of the table surface, in window pixels.
  QRect OnWindow(const platform::Element& e) {
    const platform::Element& surface = h.El("Pic1");
    return QRect(static_cast<int>(surface.left + e.left), static_cast<int>(surface.top + e.top),
                 static_cast<int>(e.width), static_cast<int>(e.height));
  }
  void Deal() {
    Send(::tlj::testing::NewHandFrame(100));
    Send(::tlj::testing::TurnFrame({.seat = 1, .rank0 = 5, .rank1 = 11}), kDealTime);
  }
  // Records what reaches the model on the table window's element `name`.
  void Record(const std::string& name, std::initializer_list<EventKind> kinds) {
    for (EventKind kind : kinds)
      h.tree.On("MainForm", name, kind, [this](const ElementEvent& e) { reached.push_back(e); });
  }

  std::unique_ptr<Renderer> renderer;
  std::vector<ElementEvent> reached;
};

TEST_F(TableWindowTest, TheWindowHasTheModelsSizeAndTheSurfaceItsGround) {
  const QImage table = Table();
  ASSERT_EQ(table.size(), QSize(1040, 796));
  const QColor background = renderer->View("MainForm")->palette().color(QPalette::Window);
  // The frame around the surface: 8 pixels at the left, 20 at the top.
  EXPECT_EQ(table.pixelColor(3, 400), background);
  EXPECT_EQ(table.pixelColor(520, 10), background);
  // An empty spot of the surface, between the seats and the pot.
  const QColor ground = table.pixelColor(8 + 320, 20 + 420);
  EXPECT_NE(ground, background);
  EXPECT_EQ(ground, ModelColor(kTableGround));
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
