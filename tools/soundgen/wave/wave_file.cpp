#include "tools/soundgen/wave/wave_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace tlj::soundgen::wave {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

void PutLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const synth::Signal& samples) {
  constexpr std::uint32_t kBytesPerSample = kBitsPerSample / 8;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  Bytes out;
  out.reserve(kHeaderSize + data_size);
  Put(out, "RIFF");
  PutLittleEndian(out, static_cast<std::uint32_t>(kHeaderSize) - 8 + data_size, 4);
  Put(out, "WAVE");
  Put(out, "fmt ");
  PutLittleEndian(out, 16, 4);  // the size of the PCM format block
  PutLittleEndian(out, 1, 2);   // PCM
  PutLittleEndian(out, 1, 2);   // mono
  PutLittleEndian(out, synth::kSampleRate, 4);
  PutLittleEndian(out, synth::kSampleRate * kBytesPerSample, 4);  // bytes per second
  PutLittleEndian(out, kBytesPerSample, 2);                       // bytes per frame
  PutLittleEndian(out, kBitsPerSample, 2);
  Put(out, "data");
  PutLittleEndian(out, data_size, 4);
  for (double sample : samples) {
    const long level = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
    PutLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)), 2);
  }
  return out;
}

void WriteWaveFile(const std::filesystem::path& file, const synth::Signal& samples) {
  const Bytes bytes = EncodeWave(samples);
  const std::filesystem::path partial = file.string() + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + partial.string());
  }
  std::filesystem::rename(partial, file);
}

}  // namespace tlj::soundgen::wave
