#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/view/animation_fixture.h"

namespace tlj::view::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class CardSlideTest : public AnimationTest {
 protected:
  platform::Element& Card(int k) const { return *Find("imgDiPai", k); }
};

TEST_F(CardSlideTest, SixStepsFiftyMillisecondsApart) {
  struct Case {
    int card;
    Point from, to;
    std::vector<Point> steps;
  };
  const Case cases[] = {
      {0,
       {100, 100},
       {200, 300},
       {{100, 100}, {120, 140}, {140, 180}, {160, 220}, {180, 260}, {200, 300}}},
      {11,
       {200, 300},
       {100, 100},
       {{200, 300}, {180, 260}, {160, 220}, {140, 180}, {120, 140}, {100, 100}}},
      // Fifths of an odd distance go to the nearest pixel.
      {5, {0, 0}, {3, -7}, {{0, 0}, {1, -1}, {1, -3}, {2, -4}, {2, -6}, {3, -7}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.card);
    std::vector<Point> seen;
    std::vector<platform::TimeMs> pauses;
    clock.on_pause = [&](platform::TimeMs ms) {
      pauses.push_back(ms);
      seen.push_back(At(Card(c.card)));
    };
    CardSlide(c.card, static_cast<int>(c.from.x), static_cast<int>(c.from.y),
              static_cast<int>(c.to.x), static_cast<int>(c.to.y), false);
    clock.on_pause = {};
    EXPECT_THAT(seen, ElementsAreArray(c.steps));
    EXPECT_THAT(pauses, ElementsAre(50, 50, 50, 50, 50, 50));
  }
}

TEST_F(CardSlideTest, OtherEventsAreHandledDuringASlideOnlyWhenItPumps) {
  for (const bool pump : {true, false}) {
    SCOPED_TRACE(pump);
    std::optional<Point> seen_by_event;
    loop.Post([&] { seen_by_event = At(Card(3)); });
    EXPECT_EQ(Duration([&] { CardSlide(3, 100, 100, 200, 300, pump); }), 300);
    loop.ProcessReadyEvents();
    ASSERT_TRUE(seen_by_event);
    EXPECT_EQ(*seen_by_event, (pump ? Point{100, 100} : Point{200, 300}));
  }
}

TEST_F(CardSlideTest, NoSuchCardNoSlide) {
  for (const int card : {-1, 12}) {
    EXPECT_EQ(Duration([&] { CardSlide(card, 0, 0, 10, 10, false); }), 0);
    EXPECT_EQ(Find("imgDiPai", card), nullptr);
  }
}

}  // namespace
}  // namespace tlj::view::testing
