#include "core/view/sound.h"

#include <memory>

#include "core/platform/services.h"

namespace tlj::view {
namespace {

constexpr int kFullVolume = 3000;

bool g_bDeviceOpen = false;
std::unique_ptr<platform::SoundBuffer> g_effectBuffer;

std::string AppFolder() {
  std::string folder = platform::Sys().app_dir.string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

void BuildSoundTable() {
  const std::string app = AppFolder();
  g_sSoundPath = app + "/../common/tlj/";
  g_sVoicePath = app + "/../common/beiling/";
  const std::string music = app + "/../common/music/";
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
  g_bDeviceOpen = device != nullptr && device->Open();
  if (!g_bDeviceOpen) g_bSound = false;
}

void PlaySoundFile(const std::string& path, bool loop) {
  if (g_effectBuffer) {
    const bool stopped = g_effectBuffer->Stop();
    g_effectBuffer.reset();
    if (!stopped) {
      g_bSound = false;
      return;
    }
  }
  // With no device nothing can play, even after the settings window turns sound back on.
  platform::SoundDevice* device = platform::Sys().sound;
  if (path.empty() || !g_bDeviceOpen || device == nullptr) return;
  g_effectBuffer = device->Load(path);
  if (g_effectBuffer) g_effectBuffer->Play(loop);
}

void StopSound() {
  if (!g_effectBuffer) return;
  if (!g_effectBuffer->Stop() || !g_effectBuffer->Rewind()) g_bSound = false;
}

void SetSoundVolume(int level) {
  if (!g_effectBuffer || level < 0 || level > kFullVolume) return;
  if (!g_effectBuffer->SetVolume(level - kFullVolume)) g_bSound = false;
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
  g_effectBuffer.reset();
  g_bDeviceOpen = false;
}

}  // namespace tlj::view
