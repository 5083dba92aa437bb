#include "core/platform/silent_sound_device.h"

#include <array>
#include <fstream>
#include <string_view>

namespace tlj::platform {
namespace {

class SilentBuffer : public SoundBuffer {
 public:
  bool Play(bool) override { return true; }
  bool Stop() override { return true; }
  bool Rewind() override { return true; }
  bool SetVolume(int) override { return true; }
};

}  // namespace

bool IsWaveFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<char, 12> head{};
  if (!in.read(head.data(), head.size())) return false;
  const std::string_view h(head.data(), head.size());
  return h.substr(0, 4) == "RIFF" && h.substr(8, 4) == "WAVE";
}

std::unique_ptr<SoundBuffer> SilentSoundDevice::Load(const std::string& path) {
  if (!IsWaveFile(path)) return nullptr;
  return std::make_unique<SilentBuffer>();
}

}  // namespace tlj::platform
