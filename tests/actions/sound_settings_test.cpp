// The sound settings window VosSet: its switches, OK and cancel.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/model/sound_settings_state.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/view/design_pictures.h"
#include "core/view/sound.h"
#include "tests/support/table_fixture.h"

namespace tlj::testing {
namespace {

using ::testing::ElementsAre;

constexpr int kOk = 0;
constexpr int kCancel = 1;
constexpr int kOnPicture = 174;
constexpr int kOffPicture = 175;
constexpr int kFirstGroundPicture = 176;
constexpr int kSecondGroundPicture = 177;

// A client at a table on a screen of the given size.
class SoundSettingsFixture : public ClientFixture {
 protected:
  void StartOn(int width, int height) {
    platform::Sys().screen_width = width;
    platform::Sys().screen_height = height;
    h.StartAtTable();
  }

  // As the settings button opens and closes it.
  void Open() { h.tree.Win("VosSet").visible = true; }
  void Close() { h.tree.Win("VosSet").visible = false; }
  bool Shown() { return h.tree.Win("VosSet").visible; }

  void Switch(int row) { PostClick("VosSet", "Command2", row); }
  void Press(int button) { PostClick("VosSet", "Command1", button); }

  platform::Element& SwitchOf(int row) { return h.tree.El("VosSet", "Command2", row); }
  bool ShowsGround(const char* ground) {
    const auto wanted = view::HeldPicture(h.El(ground));
    return wanted != nullptr && h.El("Pic1").image == wanted;
  }
  bool LoopPlaying() {
    const auto playing = h.sound.Playing();
    return playing.size() == 1 && playing[0].ends_with("/majiang.wav");
  }
};

class SoundSettingsTest : public SoundSettingsFixture {
 protected:
  void SetUp() override { StartOn(1280, 1024); }
};

class ReducedSoundSettingsTest : public SoundSettingsFixture {
 protected:
  void SetUp() override { StartOn(800, 600); }
};

struct FlagCase {
  const char* what;
  int row;
  bool* flag;
  int button;
  bool kept;  // the flag after the button, switched off before it
};

TEST_F(SoundSettingsTest, OkKeepsASwitchAndCancelUndoesIt) {
  const FlagCase cases[] = {
      {"event sounds, cancel", model::kSoundRow, &view::g_bSound, kCancel, true},
      {"event sounds, OK", model::kSoundRow, &view::g_bSound, kOk, false},
      {"second switch, cancel", model::kCardClickRow, &view::g_bCardClick, kCancel, true},
      {"second switch, OK", model::kCardClickRow, &view::g_bCardClick, kOk, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    *c.flag = true;
    Open();
    Switch(c.row);
    EXPECT_FALSE(*c.flag);
    EXPECT_EQ(SwitchOf(c.row).picture, kOffPicture);
    Press(c.button);
    EXPECT_EQ(*c.flag, c.kept);
    EXPECT_FALSE(Shown());
    // Whatever the button, the next cancel has nothing left to undo.
    Open();
    Press(kCancel);
    EXPECT_EQ(*c.flag, c.kept);
  }
}

TEST_F(SoundSettingsTest, TheLoopSwitchedTwiceAndCancelledPlaysOn) {
  Open();
  h.sound.ClearCalls();
  Switch(model::kMusicRow);
  EXPECT_FALSE(view::g_bMusic);
  EXPECT_TRUE(h.sound.Playing().empty());
  EXPECT_EQ(SwitchOf(model::kMusicRow).picture, kOffPicture);
  Switch(model::kMusicRow);
  EXPECT_TRUE(view::g_bMusic);
  EXPECT_EQ(SwitchOf(model::kMusicRow).picture, kOnPicture);
  Press(kCancel);
  EXPECT_TRUE(view::g_bMusic);
  EXPECT_TRUE(LoopPlaying());
  EXPECT_THAT(Played(), ElementsAre("majiang.wav"));
}

TEST_F(SoundSettingsTest, TheLoopPlaysAtFullVolumeWithEventSoundsOff) {
  Open();
  Switch(model::kMusicRow);
  Switch(model::kSoundRow);
  ASSERT_FALSE(view::g_bSound);
  h.sound.ClearCalls();
  Switch(model::kMusicRow);
  EXPECT_TRUE(LoopPlaying());
  const auto& calls = h.sound.Calls();
  const auto play = std::find_if(calls.begin(), calls.end(), [](const sim::SoundCall& c) {
    return c.op == sim::SoundOp::Play;
  });
  ASSERT_NE(play, calls.end());
  EXPECT_TRUE(play->loop);
  EXPECT_EQ(calls.back().op, sim::SoundOp::Volume);
  EXPECT_EQ(calls.back().hundredths_db, 0);
}

TEST_F(SoundSettingsTest, TheBackgroundSwitchesBetweenTheTwoGrounds) {
  Open();
  Switch(model::kBackgroundRow);
  EXPECT_TRUE(view::g_bAltSkin);
  EXPECT_TRUE(ShowsGround("pic4"));
  EXPECT_EQ(SwitchOf(model::kBackgroundRow).picture, kSecondGroundPicture);
  Switch(model::kBackgroundRow);
  EXPECT_FALSE(view::g_bAltSkin);
  EXPECT_TRUE(ShowsGround("pic3"));
  EXPECT_EQ(SwitchOf(model::kBackgroundRow).picture, kFirstGroundPicture);
}

TEST_F(SoundSettingsTest, CancelRestoresTheLoopAndTheBackground) {
  Open();
  Switch(model::kMusicRow);
  Switch(model::kBackgroundRow);
  ASSERT_TRUE(ShowsGround("pic4"));
  ASSERT_TRUE(h.sound.Playing().empty());
  Press(kCancel);
  EXPECT_TRUE(view::g_bMusic);
  EXPECT_TRUE(LoopPlaying());
  EXPECT_FALSE(view::g_bAltSkin);
  EXPECT_TRUE(ShowsGround("pic3"));
  EXPECT_EQ(SwitchOf(model::kBackgroundRow).picture, kFirstGroundPicture);
  EXPECT_FALSE(Shown());
}

TEST_F(SoundSettingsTest, TheWindowRemembersItsSwitchesWhileHidden) {
  Open();
  Switch(model::kSoundRow);
  Close();
  Open();
  Press(kCancel);
  EXPECT_TRUE(view::g_bSound);
}

TEST_F(SoundSettingsTest, AHiddenWindowTakesNoClicks) {
  Open();
  Close();
  Switch(model::kSoundRow);
  EXPECT_TRUE(view::g_bSound);
}

struct LoadCase {
  const char* voice_set;
  int ground_picture;
};

// The switches' pictures at load say "on" whatever the switches are; the background's follows
// the user's voice setting.
TEST_F(SoundSettingsTest, LoadingShowsTheDesignedPictures) {
  view::g_bMusic = false;
  view::g_bCardClick = false;
  view::g_bSound = false;
  const LoadCase cases[] = {
      {"00", kFirstGroundPicture}, {"01", kSecondGroundPicture}, {"", kSecondGroundPicture}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.voice_set);
    model::profile[0].voiceSet = c.voice_set;
    h.tree.UnloadWindow("VosSet");
    Open();
    for (int row = 0; row < model::kSoundSettingRows; ++row) {
      const auto& name = h.tree.El("VosSet", "Image1", row);
      const auto& button = SwitchOf(row);
      EXPECT_TRUE(button.visible) << row;
      EXPECT_EQ(button.top, name.top + 3) << row;
      EXPECT_EQ(button.left, name.left + name.width + 20) << row;
      const int picture = row == model::kBackgroundRow ? c.ground_picture : kOnPicture;
      EXPECT_EQ(button.picture, picture) << row;
    }
    const auto& ok = h.tree.El("VosSet", "Command1", kOk);
    const auto& cancel = h.tree.El("VosSet", "Command1", kCancel);
    EXPECT_EQ(ok.picture, 170);
    EXPECT_EQ(cancel.picture, 172);
    EXPECT_EQ(cancel.top, ok.top);
    EXPECT_DOUBLE_EQ(cancel.left, ok.left + 1.4 * ok.width);
  }
}

// The hide key unloads the window: what was switched stays, but is no longer undone.
TEST_F(SoundSettingsTest, AfterAnUnloadTheWindowStartsAfresh) {
  Open();
  Switch(model::kSoundRow);
  ASSERT_EQ(SwitchOf(model::kSoundRow).picture, kOffPicture);
  h.tree.UnloadWindow("VosSet");
  Open();
  EXPECT_EQ(SwitchOf(model::kSoundRow).picture, kOnPicture);
  Press(kCancel);
  EXPECT_FALSE(view::g_bSound);
}

TEST_F(ReducedSoundSettingsTest, TheBackgroundStaysInTheReducedLayout) {
  Open();
  const auto ground = h.El("Pic1").image;
  const auto picture = SwitchOf(model::kBackgroundRow).picture;
  Switch(model::kBackgroundRow);
  EXPECT_EQ(h.El("Pic1").image, ground);
  EXPECT_EQ(SwitchOf(model::kBackgroundRow).picture, picture);
  EXPECT_FALSE(view::g_bAltSkin);
  EXPECT_TRUE(model::VosSetChanged[model::kBackgroundRow]);
  Press(kCancel);
  EXPECT_EQ(h.El("Pic1").image, ground);
  EXPECT_FALSE(view::g_bAltSkin);
}

}  // namespace
}  // namespace tlj::testing
