#pragma once
// What the Qt sound device decides without a device: how loud a level is and whether a file is a
// wave file worth handing to Qt.

#include <filesystem>

namespace tlj::desktop {

// At or below this attenuation (100 dB) a sound is silent.
inline constexpr int kSilentLevel = -10000;

// Qt's linear volume (0..1) for an attenuation in hundredths of a decibel: 10^(level / 2000).
// Levels above 0 would amplify, which the device cannot: they are full volume.
double LinearVolume(int hundredths_db);

// True when `file` is a RIFF/WAVE file whose format chunk is there whole. Qt reports a file it
// cannot decode only later and only on standard error, so the device asks this first.
bool HasWaveFormat(const std::filesystem::path& file);

}  // namespace tlj::desktop
