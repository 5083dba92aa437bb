// A build without Qt Multimedia has no Qt sound device to test.
#ifdef TLJ_QT_MULTIMEDIA

#include "desktop/qt_sound/qt_sound_device.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include <QApplication>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

#include "core/platform/services.h"
#include "core/view/sound.h"
#include "sim/temp_dir.h"
#include "tests/desktop/test_application.h"
#include "tests/desktop/wave_bytes.h"

namespace tlj::desktop {
namespace {

constexpr int kRate = 22050;

// A tenth of a second of a quiet 440 Hz tone.
std::string Tone() {
  std::vector<std::int16_t> samples(kRate / 10);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double phase = 2 * std::numbers::pi * 440 * static_cast<double>(i) / kRate;
    samples[i] = static_cast<std::int16_t>(2000 * std::sin(phase));
  }
  return testing::PcmWave(samples, kRate);
}

bool HasAudioOutput() {
  return !QMediaDevices::audioOutputs().isEmpty();
}

class QtSoundDeviceTest : public ::testing::Test {
 protected:
  QtSoundDeviceTest() {
    std::filesystem::create_directories(dir.path() / "bin");
    for (const char* folder : {"music", "tlj"}) {
      std::filesystem::create_directories(dir.path() / "common" / folder);
    }
    testing::WriteBytes(dir.path() / "common/music/majiang.wav", Tone());
    testing::WriteBytes(dir.path() / "common/tlj/coin.wav", Tone());
  }
  ~QtSoundDeviceTest() override {
    view::ResetSound();
    view::g_bSound = true;
    platform::Sys() = platform::Services{};
  }

  std::filesystem::path Wave(const char* name) const { return dir.path() / "common/tlj" / name; }

  QApplication& application = testing::TestApplication();
  const sim::TempDir dir;
};

TEST_F(QtSoundDeviceTest, WithoutAnAudioOutputTheDeviceStaysClosedAndSaysNothing) {
  QtSoundDevice device;
  ::testing::internal::CaptureStderr();
  const bool opened = device.Open();
  const std::string printed = ::testing::internal::GetCapturedStderr();
  if (HasAudioOutput()) GTEST_SKIP() << "this machine has an audio output";

  EXPECT_FALSE(opened);
  EXPECT_EQ(printed.find("PulseAudio"), std::string::npos) << printed;
  EXPECT_EQ(device.Load(Wave("coin.wav").string()), nullptr);
}

TEST_F(QtSoundDeviceTest, TheTableStartsSoundsOnADeviceThatDidNotOpen) {
  if (HasAudioOutput()) GTEST_SKIP() << "this machine has an audio output";
  QtSoundDevice device;
  platform::Sys().sound = &device;
  platform::Sys().app_dir = dir.path() / "bin";

  view::ResetSound();
  view::StartSound();
  EXPECT_FALSE(view::g_bSound);
  // The settings window may turn sound on again; there is still nothing to play on.
  view::g_bSound = true;
  view::PlayEventSound("coin.wav");
  view::SetSoundVolume(1500);
  view::StopSound();
  view::ShutdownSound();
  EXPECT_TRUE(view::g_bSound);
}

TEST_F(QtSoundDeviceTest, BuffersShareOneVoiceAndFailOnceTheDeviceIsGone) {
  if (!HasAudioOutput()) GTEST_SKIP() << "no audio output on this machine (no sound server)";
  testing::WriteBytes(Wave("broken.wav"), "RIFF\4\0\0\0WAVE");
  auto device = std::make_unique<QtSoundDevice>();
  ASSERT_TRUE(device->Open());
  EXPECT_EQ(device->Load(Wave("missing.wav").string()), nullptr);
  EXPECT_EQ(device->Load(Wave("broken.wav").string()), nullptr);

  const std::unique_ptr<platform::SoundBuffer> background =
      device->Load((dir.path() / "common/music/majiang.wav").string());
  const std::unique_ptr<platform::SoundBuffer> coin = device->Load(Wave("coin.wav").string());
  ASSERT_NE(background, nullptr);
  ASSERT_NE(coin, nullptr);
  EXPECT_TRUE(background->SetVolume(-2000));
  EXPECT_TRUE(background->Play(true));
  QCoreApplication::processEvents();
  // The coin takes the voice; the background's calls no longer reach it.
  EXPECT_TRUE(coin->Play(false));
  EXPECT_TRUE(background->Stop());
  EXPECT_TRUE(background->Rewind());
  QCoreApplication::processEvents();
  EXPECT_TRUE(coin->Stop());
  EXPECT_TRUE(coin->Rewind());

  // The core may keep its buffer after the device is gone: its calls then fail.
  device.reset();
  EXPECT_FALSE(coin->Play(false));
  EXPECT_FALSE(coin->Stop());
  EXPECT_FALSE(coin->Rewind());
  EXPECT_FALSE(coin->SetVolume(0));
}

}  // namespace
}  // namespace tlj::desktop

#endif  // TLJ_QT_MULTIMEDIA
