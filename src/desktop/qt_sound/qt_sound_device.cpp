#include "desktop/qt_sound/qt_sound_device.h"

#include <utility>

#include <QAudioDevice>
#include <QFileInfo>
#include <QList>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "desktop/qt_sound/quiet_multimedia_log.h"
#include "desktop/qt_sound/sound_format.h"

namespace tlj::desktop {

struct QtSoundDevice::Voice {
  explicit Voice(const QAudioDevice& output) : effect(output) {}

  QSoundEffect effect;
  const Buffer* holder = nullptr;  // the buffer whose sound the effect holds
};

class QtSoundDevice::Buffer : public platform::SoundBuffer {
 public:
  Buffer(std::weak_ptr<Voice> voice, QUrl source)
      : voice_(std::move(voice)), source_(std::move(source)) {}
  ~Buffer() override {
    const std::shared_ptr<Voice> voice = voice_.lock();
    if (voice == nullptr || voice->holder != this) return;
    voice->effect.stop();
    voice->holder = nullptr;
  }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  bool Play(bool loop) override {
    const std::shared_ptr<Voice> voice = voice_.lock();
    if (voice == nullptr) return false;
    voice->holder = this;
    QSoundEffect& effect = voice->effect;
    effect.setSource(source_);
    effect.setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect.setVolume(static_cast<float>(LinearVolume(level_)));
    effect.play();
    return effect.status() != QSoundEffect::Error;
  }

  bool Stop() override {
    const std::shared_ptr<Voice> voice = voice_.lock();
    if (voice == nullptr) return false;
    if (voice->holder == this) voice->effect.stop();
    return true;
  }

  // Qt starts every play at the beginning of the sound, so there is no position to move back.
  bool Rewind() override { return !voice_.expired(); }

  // The level is kept here and never read back from Qt: without a sound server Qt reports a
  // level other than the one it was given.
  bool SetVolume(int hundredths_db) override {
    const std::shared_ptr<Voice> voice = voice_.lock();
    if (voice == nullptr) return false;
    level_ = hundredths_db;
    if (voice->holder == this) voice->effect.setVolume(static_cast<float>(LinearVolume(level_)));
    return true;
  }

 private:
  std::weak_ptr<Voice> voice_;
  QUrl source_;
  int level_ = 0;  // a new buffer plays at full volume
};

QtSoundDevice::QtSoundDevice() = default;
QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::Open() {
  QuietMultimediaWarnings();
  const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
  if (outputs.isEmpty()) {
    voice_.reset();
    return false;
  }
  if (voice_ == nullptr) {
    const QAudioDevice preferred = QMediaDevices::defaultAudioOutput();
    voice_ = std::make_shared<Voice>(preferred.isNull() ? outputs.front() : preferred);
  }
  return true;
}

std::unique_ptr<platform::SoundBuffer> QtSoundDevice::Load(const std::string& path) {
  if (voice_ == nullptr || !HasWaveFormat(path)) return nullptr;
  // Qt loads by address, and an address needs an absolute path.
  const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  return std::make_unique<Buffer>(voice_, QUrl::fromLocalFile(file));
}

}  // namespace tlj::desktop
