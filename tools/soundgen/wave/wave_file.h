#pragma once
// Wave files as the client's sound device takes them: RIFF/WAVE, PCM, 16-bit, mono, at the
// synthesiser's rate.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/soundgen/synth/signal.h"

namespace tlj::soundgen::wave {

inline constexpr int kBitsPerSample = 16;
inline constexpr std::size_t kHeaderSize = 44;

// The whole file: the header, then each sample rounded to 16 bits, clamped to -1..1.
std::vector<std::uint8_t> EncodeWave(const synth::Signal& samples);

// Writes the file under a temporary name first, so that a stopped build leaves no file that
// looks finished.
void WriteWaveFile(const std::filesystem::path& file, const synth::Signal& samples);

}  // namespace tlj::soundgen::wave
