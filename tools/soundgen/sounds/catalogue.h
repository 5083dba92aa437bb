#pragma once
// Every wave file the client plays: its folder under the common folder (beside the program's
// bin/), its name, and the sound.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::sounds {

inline constexpr std::string_view kMusicFolder = "music";    // background loop and beep
inline constexpr std::string_view kTableFolder = "tlj";      // the table's event sounds
inline constexpr std::string_view kVoiceFolder = "beiling";  // the players' voice clips

struct Sound {
  std::string_view folder;
  std::string name;
  std::function<synth::Signal()> make;
};

std::vector<Sound> Catalogue();

// The voice every player has: the reference server gives all of them this set and kind.
inline constexpr std::string_view kVoiceSet = "00";
inline constexpr std::string_view kVoiceKind = "01";

// The file of a player's voice clip: "v", the voice set and kind, the sex (1 a man, 0 a
// woman), "0", then the clip's letter and number, which are "a" and 0 for every clip the
// client plays.
std::string VoiceClipName(std::string_view voice_set, std::string_view voice_kind, int sex);

}  // namespace tlj::soundgen::sounds
