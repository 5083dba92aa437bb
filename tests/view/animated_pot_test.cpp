#include "core/view/animated_pot.h"

#include <gtest/gtest.h>

#include <set>

#include "core/view/layout.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using AnimatedPot = ConnectedFixture;

TEST_F(AnimatedPot, PlaysForOneAndAHalfSecondsThenHides) {
  std::set<const platform::Image*> frames;
  int visible_probes = 0;
  platform::Timer probe(h.loop, [&] {
    const auto& pot = h.El("ucBuGuo");
    if (!pot.visible || !pot.image) return;
    ++visible_probes;
    frames.insert(pot.image.get());
    EXPECT_EQ(pot.image->width, 192);
  });
  probe.SetInterval(100);
  const platform::TimeMs start = h.Now();
  h.Post([&] {
    probe.SetEnabled(true);
    view::PlayAnimatedPot();  // waits, letting the probe and the control's timer run
    probe.SetEnabled(false);
  });
  h.RunFor(1);
  EXPECT_GT(h.Now() - start, 1500);
  EXPECT_GE(visible_probes, 10);
  EXPECT_GE(frames.size(), 2u);  // it animates
  EXPECT_FALSE(h.El("ucBuGuo").visible);
}

TEST_F(AnimatedPot, TheViewResetHidesIt) {
  h.El("ucBuGuo").visible = true;
  view::ResetTableView();
  EXPECT_FALSE(h.El("ucBuGuo").visible);
}

}  // namespace
}  // namespace tlj::testing
