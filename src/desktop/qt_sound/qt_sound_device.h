#pragma once
// The sound device on Qt Multimedia. It has one voice, which its buffers take in turn: playing a
// buffer silences whichever buffer played before. Without an audio output (no sound server, as
// on a machine without sound) the device does not open, and the table stays silent.

#include <memory>
#include <string>

#include "core/platform/sound_device.h"

namespace tlj::desktop {

class QtSoundDevice : public platform::SoundDevice {
 public:
  QtSoundDevice();
  ~QtSoundDevice() override;
  QtSoundDevice(const QtSoundDevice&) = delete;
  QtSoundDevice& operator=(const QtSoundDevice&) = delete;

  bool Open() override;
  // Null also while the device is not open: there is nothing to play the file on.
  std::unique_ptr<platform::SoundBuffer> Load(const std::string& path) override;

 private:
  struct Voice;
  class Buffer;

  // Buffers hold it weakly: the core may keep a buffer after the device (and Qt) are gone, and
  // the buffer's calls then fail rather than reach a released voice.
  std::shared_ptr<Voice> voice_;
};

}  // namespace tlj::desktop
