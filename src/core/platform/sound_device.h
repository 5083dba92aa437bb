#pragma once
// One sound device with one playback buffer at a time.

#include <memory>
#include <string>

namespace tlj::platform {

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  virtual bool Play(bool loop) = 0;
  virtual bool Stop() = 0;
  virtual bool Rewind() = 0;
  // Attenuation in hundredths of a decibel: 0 is full volume, -3000 is 30 dB quieter.
  virtual bool SetVolume(int hundredths_db) = 0;
};

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Opens the default device; false when there is none.
  virtual bool Open() = 0;
  // A buffer holding the wave file at `path`, or null when the file is missing or no wave.
  virtual std::unique_ptr<SoundBuffer> Load(const std::string& path) = 0;
};

}  // namespace tlj::platform
