// The speech bubbles: shaped by their picture, placed by screen position, the fade's exact
// opacities, reuse of one window per position, and what minimising and restoring do.

#include "core/view/speech_bubbles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/view/layout.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

class SpeechBubbleTest : public SeatedFixture {
 protected:
  const platform::Window& Bubble(int p) { return *h.tree.FindWin("speak" + std::to_string(p)); }
  std::string Phrase(int p) {
    return h.tree.Find("speak" + std::to_string(p), "labPhrase")->caption;
  }

  // A phrase for position p as the chat shows it.
  void Say(int p, const std::string& phrase) {
    view::MakeBubble(p);
    view::showMe(view::BubbleName(p), static_cast<std::int16_t>(p), phrase, 210, 8, 4, 1000);
  }

  // The opacity after each of `ticks` fade ticks.
  std::vector<int> Opacities(int p, int ticks) {
    std::vector<int> seen;
    for (int k = 0; k < ticks; ++k) {
      h.RunFor(view::kFadeTickMs);
      seen.push_back(Bubble(p).opacity);
    }
    return seen;
  }
};

TEST_F(SpeechBubbleTest, TheFadeClimbsHoldsFallsAndParks) {
  Say(2, "快点吧");
  const std::vector<int> seen = Opacities(2, 210);
  std::vector<int> expected;
  for (int k = 1; k <= 26; ++k) expected.push_back(8 * k);                   // up to 208, not 210
  for (int k = 27; k <= 151; ++k) expected.push_back(208);                   // held
  for (int k = 152; k <= 203; ++k) expected.push_back(206 - 4 * (k - 152));  // down to 2
  for (int k = 204; k <= 210; ++k) expected.push_back(2);  // the -2 step only ends it
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Phrase(2), "");
  EXPECT_EQ(Bubble(2).top, -2 * Bubble(2).height);
}

TEST_F(SpeechBubbleTest, EachPositionHasItsPlaceFromTheTablesCorner) {
  auto& table = h.tree.Win("MainForm");
  table.left = 40;
  table.top = 30;
  const double places[4][2] = {{100, 570}, {70, 200}, {410, 70}, {760, 200}};
  for (int p = 0; p < 4; ++p) {
    Say(p, "hi");
    EXPECT_DOUBLE_EQ(Bubble(p).left, 40 + places[p][0] * view::LayoutScale) << p;
    EXPECT_DOUBLE_EQ(Bubble(p).top, 30 + places[p][1] * view::LayoutScale) << p;
    EXPECT_TRUE(Bubble(p).topmost);
    EXPECT_TRUE(Bubble(p).visible);
  }
}

TEST_F(SpeechBubbleTest, AReducedLayoutScalesThePlaces) {
  const double scale = view::LayoutScale;
  view::LayoutScale = 0.78125;
  Say(3, "hi");
  view::LayoutScale = scale;
  const auto& table = *h.tree.FindWin("MainForm");
  EXPECT_DOUBLE_EQ(Bubble(3).left, table.left + 760 * 0.78125);
  EXPECT_DOUBLE_EQ(Bubble(3).top, table.top + 200 * 0.78125);
}

TEST_F(SpeechBubbleTest, TwoPhrasesFromOnePositionReuseItsWindow) {
  Say(2, "one");
  Opacities(2, 40);
  Say(2, "two");
  EXPECT_EQ(Opacities(2, 1), std::vector<int>{8});  // the fade starts afresh
  EXPECT_EQ(Phrase(2), "two");
  int bubbles = 0;
  for (const auto& window : h.tree.Windows())
    if (window->loaded && window->caption == "speakbox") ++bubbles;
  EXPECT_EQ(bubbles, 1);
}

TEST_F(SpeechBubbleTest, TheWindowTakesTheShapeOfItsPicture) {
  // K is the key colour of the top-left pixel; X the bubble.
  const char* rows[] = {"KKXXKK", "KXXXXK", "XXKKXX"};
  auto picture = std::make_shared<platform::Image>();
  picture->width = 6;
  picture->height = 3;
  picture->rgba.resize(6 * 3 * 4);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 6; ++x) {
      std::uint8_t* px = picture->Pixel(x, y);
      const bool key = rows[y][x] == 'K';
      px[0] = 255;
      px[1] = key ? 0 : 240;
      px[2] = key ? 255 : 200;
      px[3] = 255;
    }
  }
  h.tree.On("speak1", "", platform::EventKind::Load, [picture](platform::ElementEvent&) {
    platform::Sys().ui->El("speak1", "imgSpeakBox", 1).image = picture;
  });
  view::MakeBubble(1);
  const auto& bubble = Bubble(1);
  EXPECT_EQ(bubble.width, 6);
  EXPECT_EQ(bubble.height, 3);
  ASSERT_EQ(bubble.shape.size(), 4u);
  const std::vector<std::vector<int>> runs = {{2, 0, 2}, {1, 1, 4}, {0, 2, 2}, {4, 2, 2}};
  for (std::size_t k = 0; k < runs.size(); ++k) {
    EXPECT_EQ(bubble.shape[k].left, runs[k][0]);
    EXPECT_EQ(bubble.shape[k].top, runs[k][1]);
    EXPECT_EQ(bubble.shape[k].width, runs[k][2]);
    EXPECT_EQ(bubble.shape[k].height, 1);
  }
  // Parked off the screen to the left until a phrase comes.
  EXPECT_EQ(bubble.left, -6);
  EXPECT_EQ(Phrase(1), "  ");
  EXPECT_EQ(h.tree.Find("speak1", "picSplash")->image, nullptr);
}

TEST_F(SpeechBubbleTest, MinimisingHidesAndRestoringResetsTheBubbles) {
  Say(0, "hi");
  Opacities(0, 10);
  Fire("", {}, platform::EventKind::Minimize);
  EXPECT_FALSE(Bubble(0).visible);
  Fire("", {}, platform::EventKind::Restore);
  EXPECT_FALSE(Bubble(0).visible);
  EXPECT_EQ(Bubble(0).opacity, 0);
  EXPECT_TRUE(Bubble(0).topmost);
  Opacities(0, 5);
  EXPECT_EQ(Bubble(0).opacity, 0);  // its fade stopped
  // The next phrase shows again.
  Say(0, "back");
  EXPECT_TRUE(Bubble(0).visible);
  EXPECT_EQ(Opacities(0, 2), (std::vector<int>{8, 16}));
}

TEST_F(SpeechBubbleTest, AnOpacityOutsideAByteIsIgnored) {
  auto& bubble = h.tree.Win("speak3");
  view::SetWindowAlpha(bubble, 120);
  view::SetWindowAlpha(bubble, 256);
  view::SetWindowAlpha(bubble, -2);
  EXPECT_EQ(bubble.opacity, 120);
}

}  // namespace
}  // namespace tlj::testing
