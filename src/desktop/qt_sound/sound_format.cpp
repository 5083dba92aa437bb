#include "desktop/qt_sound/sound_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string_view>

namespace tlj::desktop {
namespace {

// The fields of a format chunk up to the bits per sample; an extension may follow.
constexpr std::uint32_t kMinFormatSize = 16;

std::uint32_t LittleEndian32(const char* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

}  // namespace

double LinearVolume(int hundredths_db) {
  if (hundredths_db >= 0) return 1.0;
  if (hundredths_db <= kSilentLevel) return 0.0;
  return std::pow(10.0, hundredths_db / 2000.0);
}

bool HasWaveFormat(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<char, 12> riff{};
  if (!in.read(riff.data(), riff.size())) return false;
  const std::string_view head(riff.data(), riff.size());
  if (head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return false;

  std::array<char, 8> chunk{};
  while (in.read(chunk.data(), chunk.size())) {
    const std::uint32_t size = LittleEndian32(chunk.data() + 4);
    if (std::string_view(chunk.data(), 4) == "fmt ") {
      std::array<char, kMinFormatSize> format{};
      return size >= kMinFormatSize && in.read(format.data(), format.size());
    }
    // Chunks start on even offsets: an odd-sized chunk is followed by a pad byte.
    in.seekg(static_cast<std::streamoff>(size) + (size & 1u), std::ios::cur);
  }
  return false;
}

}  // namespace tlj::desktop
