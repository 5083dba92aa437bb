#pragma once
// A sound device that plays nothing: it accepts wave files that exist, so the logic behaves as
// with a real device, and makes no sound.

#include "core/platform/sound_device.h"

namespace tlj::platform {

class SilentSoundDevice : public SoundDevice {
 public:
  bool Open() override { return true; }
  std::unique_ptr<SoundBuffer> Load(const std::string& path) override;
};

// True when the file at `path` starts as a RIFF/WAVE file.
bool IsWaveFile(const std::string& path);

}  // namespace tlj::platform
