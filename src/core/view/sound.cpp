#include "core/view/sound.h"

#include <memory>

#include "core/platform/services.h"

namespace tlj::view {
namespace {

constexpr int kFullVolume = 3000;

bool device_open = false;
std::unique_ptr<platform::SoundBuffer> effect_buffer;

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string SoundRoot() {
  const platform::Services& sys = platform::Sys();
  if (!sys.sound_root.empty()) return WithoutTrailingSlashes(sys.sound_root.string());
  return WithoutTrailingSlashes(sys.app_dir.string()) + "/../common";
}

}  // namespace

void BuildSoundTable() {
  const std::string root = SoundRoot();
  g_sSoundPath = root + "/tlj/";
  g_sVoicePath = root + "/beiling/";
  const std::string music = root + "/music/";
  g_sSound = {"",
              music + "majiang.wav",
              music + "dapai.wav",
              music + "qupai.wav",
              music + "xipai.wav",
              music + "zhise.wav",
              music + "tishi.wav"};
}

void InitSound() {
  platform::SoundDevice* device = platform::Sys().sound;
  device_open = device != nullptr && device->Open();
  if (!device_open) g_bSound = false;
}

void PlaySoundFile(const std::string& path, bool loop) {
  if (effect_buffer) {
    const bool stopped = effect_buffer->Stop();
    effect_buffer.reset();
    if (!stopped) {
      g_bSound = false;
      return;
    }
  }
  // With no device nothing can play, even after the settings window turns sound back on.
  platform::SoundDevice* device = platform::Sys().sound;
  if (path.empty() || !device_open || device == nullptr) return;
  effect_buffer = device->Load(path);
  if (effect_buffer) effect_buffer->Play(loop);
}

void StopSound() {
  if (!effect_buffer) return;
  if (!effect_buffer->Stop() || !effect_buffer->Rewind()) g_bSound = false;
}

void SetSoundVolume(int level) {
  if (!effect_buffer || level < 0 || level > kFullVolume) return;
  if (!effect_buffer->SetVolume(level - kFullVolume)) g_bSound = false;
}

void PlayEventSoundFile(const std::string& path) {
  if (!g_bSound) return;
  PlaySoundFile(path, false);
  SetSoundVolume(kFullVolume);
}

void PlayEventSound(const std::string& name) {
  PlayEventSoundFile(g_sSoundPath + name);
}

void StartSound() {
  g_bMusic = true;
  g_bCardClick = true;
  g_bSound = true;
  g_bAltSkin = false;
  BuildSoundTable();
  InitSound();
  StopSound();
  PlaySoundFile(g_sSound[1], true);
  SetSoundVolume(kFullVolume);
}

void ShutdownSound() {
  if (g_bSound) StopSound();
}

void ResetSound() {
  effect_buffer.reset();
  device_open = false;
}

}  // namespace tlj::view
