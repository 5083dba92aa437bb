// The client finds the sounds of the build where it looks for them: the sound module builds
// its paths from the program folder (bin/), and the files tlj-soundgen wrote into ../common
// load on the headless front end's sound device.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/platform/services.h"
#include "core/platform/silent_sound_device.h"
#include "core/view/sound.h"
#include "tools/soundgen/sounds/catalogue.h"

namespace tlj::soundgen::sounds {
namespace {

class ClientLayoutTest : public ::testing::Test {
 protected:
  ClientLayoutTest() : saved_(platform::Sys()) {}
  ~ClientLayoutTest() override { platform::Sys() = saved_; }

  void SetUp() override {
    const char* bin = std::getenv("TLJ_BIN_DIR");
    ASSERT_NE(bin, nullptr) << "TLJ_BIN_DIR must name the programs' folder";
    platform::Sys().app_dir = bin;
    view::BuildSoundTable();
  }

  // True when the client's device takes the file as a sound.
  static bool Loads(const std::string& path) {
    platform::SilentSoundDevice device;
    return device.Load(path) != nullptr;
  }

 private:
  platform::Services saved_;
};

TEST_F(ClientLayoutTest, FindsTheCommonSounds) {
  for (std::size_t k = 1; k < view::g_sSound.size(); ++k)
    EXPECT_TRUE(Loads(view::g_sSound[k])) << view::g_sSound[k];
}

TEST_F(ClientLayoutTest, FindsTheTablesEventSounds) {
  for (const char* name : {"coin_move.wav", "giveup.wav", "deliver_card.wav", "kanpai.wav",
                           "victory.wav", "vs_win.wav", "vs_lost.wav"})
    EXPECT_TRUE(Loads(view::g_sSoundPath + name)) << name;
}

TEST_F(ClientLayoutTest, FindsTheVoiceClipsOfBothSexes) {
  for (int sex : {0, 1}) {
    const std::string name = VoiceClipName(kVoiceSet, kVoiceKind, sex);
    EXPECT_TRUE(Loads(view::g_sVoicePath + name)) << name;
  }
}

}  // namespace
}  // namespace tlj::soundgen::sounds
