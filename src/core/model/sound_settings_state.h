#pragma once
// What the sound settings window VosSet remembers while it is open: which rows the user switched,
// so that cancel can switch them back.

#include <array>

namespace tlj::model {

// The window's rows, top to bottom, and the switch Command2(row) of each.
enum SoundSettingRow : int {
  kMusicRow = 0,       // the background loop (g_bMusic)
  kCardClickRow = 1,   // the second switch (g_bCardClick)
  kSoundRow = 2,       // the event sounds (g_bSound)
  kBackgroundRow = 3,  // the table background (g_bAltSkin), full layout only
};
inline constexpr int kSoundSettingRows = 4;

// changed(row): the row was switched an odd number of times since the window opened.
inline std::array<bool, kSoundSettingRows> VosSetChanged{};

// Forgets every switch: at start-up, when the window loads and when OK or cancel closes it.
void SetSoundSettingsStartValues();

}  // namespace tlj::model
