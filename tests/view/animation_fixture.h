#pragma once
// Runs the animations on a virtual clock against a fresh table window, with a recording sound
// device and a store whose every picture decodes, and shows the test each blocking pause.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/platform/services.h"
#include "core/view/animations.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/random.h"
#include "core/view/sound.h"
#include "core/view/window_designs.h"
#include "sim/recording_sound_device.h"
#include "sim/virtual_clock.h"
#include "tests/view/pixel_store.h"

namespace tlj::view::testing {

// A virtual clock that calls `on_pause` with the length of each blocking pause before it passes.
class WatchedClock : public sim::VirtualClock {
 public:
  using VirtualClock::VirtualClock;
  void SleepUntil(platform::TimeMs deadline) override {
    if (on_pause) on_pause(deadline - Now());
    VirtualClock::SleepUntil(deadline);
  }

  std::function<void(platform::TimeMs)> on_pause;
};

// Draw sources that make every draw its range's lowest, highest, or the value nearest 0.
inline int Lowest(int lo, int) {
  return lo;
}
inline int Highest(int, int hi) {
  return hi;
}
inline int NearestZero(int lo, int hi) {
  return std::clamp(0, lo, hi);
}

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Point& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

// Is `id` a picture of the coin worth `denomination`?
inline bool ShowsCoin(std::optional<int> id, int denomination) {
  if (!id) return false;
  const auto in = [&](const std::array<int, 20>& frames) {
    return std::find(frames.begin(), frames.end(), *id) != frames.end();
  };
  switch (denomination) {
    case 1:
      return *id == CoinImageId1;
    case 5:
      return in(CoinFrames5);
    case 10:
      return in(CoinFrames10);
    case 20:
      return in(CoinFrames20);
    case 50:
      return in(CoinFrames50);
    case 100:
      return in(CoinFrames100);
    case 500:
      return *id == CoinImageId500;
    default:
      return false;
  }
}

class AnimationTest : public ::testing::Test {
 protected:
  AnimationTest() : saved_(platform::Sys()) {
    auto& sys = platform::Sys();
    sys.loop = &loop;
    sys.ui = &tree;
    sys.sound = &sound;
    sys.store = &store;
    ResetSound();
    g_bSound = true;
    g_sSoundPath = "/snd/";
    SeedRandom(20240601);
    DesignWindows(*platform::Sys().ui);
    UseLayout(false);
  }
  ~AnimationTest() override {
    SetRandomSource({});
    ResetSound();
    g_sSoundPath.clear();
    LayoutScale = 1.0;
    BuildImageTables();
    platform::Sys() = saved_;
  }

  // A new table in the full or the reduced layout.
  void UseLayout(bool reduced) {
    LayoutScale = reduced ? 0.78125 : 1.0;
    BuildImageTables();
    DeleteAllCoins();
    CreateCoinTemplate();
  }

  platform::Element* Find(std::string_view name, int index) const {
    return tree.Find("MainForm", name, index);
  }
  platform::Element& Coin(int index) const {
    platform::Element* coin = Find("imgCoin", index);
    if (coin == nullptr) throw std::runtime_error("no imgCoin " + std::to_string(index));
    return *coin;
  }
  static Point At(const platform::Element& e) { return {e.left, e.top}; }

  // The indexes of the coin elements in the tree, the template included.
  std::vector<int> CoinElements() const {
    std::vector<int> indexes;
    for (const auto& e : tree.FindWin("MainForm")->elements)
      if (e->name == "imgCoin") indexes.push_back(e->index.value_or(-1));
    std::sort(indexes.begin(), indexes.end());
    return indexes;
  }

  // The virtual milliseconds `action` takes.
  platform::TimeMs Duration(const std::function<void()>& action) {
    const platform::TimeMs start = clock.Now();
    action();
    return clock.Now() - start;
  }

  // The lengths of the blocking pauses `action` makes.
  std::vector<platform::TimeMs> Pauses(const std::function<void()>& action) {
    std::vector<platform::TimeMs> pauses;
    clock.on_pause = [&](platform::TimeMs ms) { pauses.push_back(ms); };
    action();
    clock.on_pause = {};
    return pauses;
  }

  WatchedClock clock{1'000'000};
  platform::EventLoop loop{clock};
  platform::ElementTree tree;
  sim::RecordingSoundDevice sound;
  PixelStore store;

 private:
  platform::Services saved_;
};

}  // namespace tlj::view::testing
