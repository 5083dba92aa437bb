#pragma once
// A control on an element of its own, on the virtual clock, with helpers that play it and look
// at what it painted.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/view/anigif/control.h"
#include "sim/virtual_clock.h"
#include "tests/view/gif_builder.h"

namespace tlj::view::anigif::testing {

using tlj::testing::BuildGif;
using tlj::testing::Colour;
using tlj::testing::Filled;
using tlj::testing::GifFrame;
using tlj::testing::GifPlan;
using tlj::testing::Plan;
using tlj::testing::Timed;
using Rgba = std::array<int, 4>;
// Frames as they came up: (time, frame number), 0 for nothing shown.
using Shown = std::vector<std::pair<platform::TimeMs, int>>;

inline constexpr Rgba kClear = {0, 0, 0, 0};

inline Rgba Opaque(const Colour& c) {
  return {c.r, c.g, c.b, 255};
}

// Four colours, one per index, easy to tell apart on the canvas.
inline const std::vector<Colour> kPalette = {{0, 0, 0}, {250, 0, 0}, {0, 250, 0}, {0, 0, 250}};

// Frames of `count` colours each, `index` showing which frame is on screen: frame k is filled
// with index k (1-based, wrapping at the palette's end), every frame covering the canvas.
inline GifPlan Frames(std::vector<int> delays, int width = 4, int height = 4) {
  GifPlan plan = Plan(width, height, kPalette, {});
  for (std::size_t k = 0; k < delays.size(); ++k) {
    plan.frames.push_back(
        Timed(Filled(0, 0, width, height, static_cast<std::uint8_t>(k % 3 + 1)), delays[k], 1));
  }
  return plan;
}

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    element.width = 4;
    element.height = 4;
  }

  bool Load(const GifPlan& plan) { return control.LoadAnimatedGIF_Array(BuildGif(plan)); }

  // Handles everything up to and including time `t`.
  void RunUntil(platform::TimeMs t) {
    loop.ProcessEventsUntil(t);
    loop.ProcessReadyEvents();
  }

  // The frames shown until time `t`, each with the time it came up (0 for nothing shown).
  Shown FramesUntil(platform::TimeMs t) {
    Shown seen;
    int last = control.CurrentFrame();
    const auto note = [&] {
      if (control.CurrentFrame() == last) return;
      last = control.CurrentFrame();
      seen.emplace_back(loop.Now(), last);
    };
    while (loop.Now() < t && loop.RunOnce(t)) note();
    loop.ProcessReadyEvents();
    note();
    return seen;
  }

  Rgba Pixel(int x, int y) const {
    const std::uint8_t* p = element.image->Pixel(x, y);
    return {p[0], p[1], p[2], p[3]};
  }

  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  platform::Element element;
  Control control{loop, element};
};

}  // namespace tlj::view::anigif::testing
