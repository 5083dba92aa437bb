#pragma once
// A sound device that plays nothing and keeps every call made on it, in order, for a test to
// read; switches make opening, loading or the buffer calls fail.

#include <memory>
#include <string>
#include <vector>

#include "core/platform/sound_device.h"

namespace tlj::sim {

enum class SoundOp { Open, Load, Play, Stop, Rewind, Volume, Release };

struct SoundCall {
  SoundOp op = SoundOp::Open;
  std::string path;       // the file of the buffer called (empty for Open)
  bool ok = true;         // what the call reported
  bool loop = false;      // Play
  int hundredths_db = 0;  // Volume

  bool operator==(const SoundCall&) const = default;
};

class RecordingSoundDevice : public platform::SoundDevice {
 public:
  RecordingSoundDevice();

  bool Open() override;
  // Gives a buffer for any path (no file is read) unless loading is made to fail.
  std::unique_ptr<platform::SoundBuffer> Load(const std::string& path) override;

  void FailOpen(bool fail);
  void FailLoad(bool fail);
  void FailBufferCalls(bool fail);  // Play, Stop, Rewind and SetVolume

  const std::vector<SoundCall>& Calls() const;
  void ClearCalls();
  // The files of the buffers playing now: played, and neither stopped nor released since.
  std::vector<std::string> Playing() const;

  struct Log;

 private:
  std::shared_ptr<Log> log_;  // shared with the buffers, which may outlive the device
};

}  // namespace tlj::sim
