#include "core/view/sound.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/platform/services.h"
#include "sim/recording_sound_device.h"

namespace tlj::view {
namespace {

using sim::SoundCall;
using sim::SoundOp;

class SoundTest : public ::testing::Test {
 protected:
  SoundTest() : saved_(platform::Sys()) {
    platform::Sys().sound = &device;
    platform::Sys().app_dir = "/opt/tlj/bin";
    ResetSound();
  }
  ~SoundTest() override {
    ResetSound();
    platform::Sys() = saved_;
    g_bSound = true;
  }

  // Start-up with the background loop playing, and the record cleared.
  void Started() {
    StartSound();
    device.ClearCalls();
  }

  const std::string kBackground = "/opt/tlj/bin/../common/music/majiang.wav";
  const std::string kCoin = "/opt/tlj/bin/../common/tlj/coin_move.wav";
  const std::string kGiveUp = "/opt/tlj/bin/../common/tlj/giveup.wav";
  sim::RecordingSoundDevice device;

 private:
  platform::Services saved_;
};

TEST_F(SoundTest, StartUpLoopsTheBackgroundAtFullVolume) {
  g_bSound = false;
  StartSound();
  const std::vector<SoundCall> expected = {
      {.op = SoundOp::Open, .path = ""},
      {.op = SoundOp::Load, .path = kBackground},
      {.op = SoundOp::Play, .path = kBackground, .loop = true},
      {.op = SoundOp::Volume, .path = kBackground, .hundredths_db = 0},
  };
  EXPECT_EQ(device.Calls(), expected);
  EXPECT_TRUE(g_bSound);
  EXPECT_EQ(g_sSoundPath, "/opt/tlj/bin/../common/tlj/");
  EXPECT_EQ(g_sVoicePath, "/opt/tlj/bin/../common/beiling/");
  EXPECT_EQ(g_sSound[6], "/opt/tlj/bin/../common/music/tishi.wav");
}

TEST_F(SoundTest, OnlyTheLastSoundStartedIsHeard) {
  Started();
  PlaySoundFile(kCoin, false);
  PlaySoundFile(kGiveUp, false);
  EXPECT_EQ(device.Playing(), std::vector<std::string>{kGiveUp});
}

TEST_F(SoundTest, VolumeIsAttenuationBelowFull) {
  struct Case {
    int level;
    std::optional<int> hundredths_db;
  };
  const Case cases[] = {{3000, 0}, {2000, -1000}, {0, -3000}, {3001, {}}, {-1, {}}};
  for (const Case& c : cases) {
    Started();
    SetSoundVolume(c.level);
    if (c.hundredths_db) {
      const std::vector<SoundCall> expected = {
          {.op = SoundOp::Volume, .path = kBackground, .hundredths_db = *c.hundredths_db}};
      EXPECT_EQ(device.Calls(), expected) << c.level;
    } else {
      EXPECT_TRUE(device.Calls().empty()) << c.level;
    }
  }
}

TEST_F(SoundTest, EmptyPathStopsWhatPlaysAndPlaysNothing) {
  Started();
  PlaySoundFile("", false);
  const std::vector<SoundCall> expected = {{.op = SoundOp::Stop, .path = kBackground},
                                           {.op = SoundOp::Release, .path = kBackground}};
  EXPECT_EQ(device.Calls(), expected);
  EXPECT_TRUE(device.Playing().empty());
  EXPECT_TRUE(g_bSound);
}

TEST_F(SoundTest, WithoutADeviceSoundGoesOffAndStaysSilent) {
  platform::Sys().sound = nullptr;
  StartSound();
  EXPECT_FALSE(g_bSound);
  g_bSound = true;  // as the settings window may
  PlaySoundFile(kCoin, false);
  SetSoundVolume(3000);
  StopSound();
  EXPECT_TRUE(device.Calls().empty());
}

TEST_F(SoundTest, DeviceThatDoesNotOpenPlaysNothingEvenWhenSoundIsTurnedBackOn) {
  device.FailOpen(true);
  StartSound();
  EXPECT_FALSE(g_bSound);
  g_bSound = true;
  PlaySoundFile(kCoin, false);
  EXPECT_EQ(device.Calls(),
            (std::vector<SoundCall>{{.op = SoundOp::Open, .path = "", .ok = false}}));
}

TEST_F(SoundTest, FailingBufferCallTurnsSoundOff) {
  const std::pair<const char*, std::function<void()>> actions[] = {
      {"starting another sound", [&] { PlaySoundFile(kCoin, false); }},
      {"stopping", [] { StopSound(); }},
      {"setting the volume", [] { SetSoundVolume(2000); }},
  };
  for (const auto& [what, action] : actions) {
    SCOPED_TRACE(what);
    device.FailBufferCalls(false);
    Started();
    device.FailBufferCalls(true);
    action();
    EXPECT_FALSE(g_bSound);
  }
}

TEST_F(SoundTest, FailedStopOfTheOldSoundLoadsNoNewOne) {
  Started();
  device.FailBufferCalls(true);
  PlaySoundFile(kCoin, false);
  for (const SoundCall& call : device.Calls()) EXPECT_NE(call.op, SoundOp::Load);
}

TEST_F(SoundTest, MissingFilePlaysNothingAndLeavesSoundOn) {
  Started();
  device.FailLoad(true);
  PlaySoundFile(kCoin, false);
  SetSoundVolume(3000);
  EXPECT_TRUE(device.Playing().empty());
  EXPECT_TRUE(g_bSound);
  EXPECT_EQ(device.Calls().back(), (SoundCall{.op = SoundOp::Load, .path = kCoin, .ok = false}));
}

TEST_F(SoundTest, ShutdownStopsOnlyWhileSoundIsOn) {
  Started();
  g_bSound = false;
  ShutdownSound();
  EXPECT_TRUE(device.Calls().empty());
  g_bSound = true;
  ShutdownSound();
  const std::vector<SoundCall> expected = {{.op = SoundOp::Stop, .path = kBackground},
                                           {.op = SoundOp::Rewind, .path = kBackground}};
  EXPECT_EQ(device.Calls(), expected);
}

}  // namespace
}  // namespace tlj::view
