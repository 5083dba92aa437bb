#include "sim/recording_sound_device.h"

#include <utility>

namespace tlj::sim {

struct RecordingSoundDevice::Log {
  bool fail_open = false;
  bool fail_load = false;
  bool fail_buffer_calls = false;
  std::vector<SoundCall> calls;
  std::vector<std::pair<const platform::SoundBuffer*, std::string>> playing;

  void SetPlaying(const platform::SoundBuffer* buffer, const std::string& path, bool on) {
    std::erase_if(playing, [buffer](const auto& entry) { return entry.first == buffer; });
    if (on) playing.emplace_back(buffer, path);
  }
};

namespace {

class RecordingBuffer : public platform::SoundBuffer {
 public:
  RecordingBuffer(std::shared_ptr<RecordingSoundDevice::Log> log, std::string path)
      : log_(std::move(log)), path_(std::move(path)) {}
  ~RecordingBuffer() override {
    log_->SetPlaying(this, path_, false);
    log_->calls.push_back({.op = SoundOp::Release, .path = path_});
  }
  RecordingBuffer(const RecordingBuffer&) = delete;
  RecordingBuffer& operator=(const RecordingBuffer&) = delete;

  bool Play(bool loop) override {
    const bool ok = Record({.op = SoundOp::Play, .path = path_, .loop = loop});
    if (ok) log_->SetPlaying(this, path_, true);
    return ok;
  }
  bool Stop() override {
    const bool ok = Record({.op = SoundOp::Stop, .path = path_});
    if (ok) log_->SetPlaying(this, path_, false);
    return ok;
  }
  bool Rewind() override { return Record({.op = SoundOp::Rewind, .path = path_}); }
  bool SetVolume(int hundredths_db) override {
    return Record({.op = SoundOp::Volume, .path = path_, .hundredths_db = hundredths_db});
  }

 private:
  bool Record(SoundCall call) {
    call.ok = !log_->fail_buffer_calls;
    log_->calls.push_back(call);
    return call.ok;
  }

  std::shared_ptr<RecordingSoundDevice::Log> log_;
  std::string path_;
};

}  // namespace

RecordingSoundDevice::RecordingSoundDevice() : log_(std::make_shared<Log>()) {}

bool RecordingSoundDevice::Open() {
  log_->calls.push_back({.op = SoundOp::Open, .path = "", .ok = !log_->fail_open});
  return !log_->fail_open;
}

std::unique_ptr<platform::SoundBuffer> RecordingSoundDevice::Load(const std::string& path) {
  log_->calls.push_back({.op = SoundOp::Load, .path = path, .ok = !log_->fail_load});
  if (log_->fail_load) return nullptr;
  return std::make_unique<RecordingBuffer>(log_, path);
}

void RecordingSoundDevice::FailOpen(bool fail) {
  log_->fail_open = fail;
}
void RecordingSoundDevice::FailLoad(bool fail) {
  log_->fail_load = fail;
}
void RecordingSoundDevice::FailBufferCalls(bool fail) {
  log_->fail_buffer_calls = fail;
}

const std::vector<SoundCall>& RecordingSoundDevice::Calls() const {
  return log_->calls;
}
void RecordingSoundDevice::ClearCalls() {
  log_->calls.clear();
}
std::vector<std::string> RecordingSoundDevice::Playing() const {
  std::vector<std::string> paths;
  for (const auto& entry : log_->playing) paths.push_back(entry.second);
  return paths;
}

}  // namespace tlj::sim
