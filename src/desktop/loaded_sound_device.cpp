#include "desktop/loaded_sound_device.h"

#include <dlfcn.h>

#include <cstdlib>
#include <utility>

#include "desktop/qt_sound/sound_module.h"
#include "desktop/socket_probe.h"

namespace tlj::desktop {
namespace {

using Factory = platform::SoundDevice* (*)();

// The library stays loaded for the rest of the process: the core may keep a buffer of its
// device until the very end.
std::unique_ptr<platform::SoundDevice> LoadDevice(const std::filesystem::path& library) {
  void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  const auto create = reinterpret_cast<Factory>(::dlsym(handle, kSoundModuleFactory));
  if (create == nullptr) return nullptr;
  return std::unique_ptr<platform::SoundDevice>(create());
}

}  // namespace

std::string SoundServerSocket() {
  if (const char* server = std::getenv("PULSE_SERVER"); server != nullptr && *server != '\0') {
    std::string value = server;
    if (value.starts_with("unix:")) value.erase(0, 5);
    return value.starts_with("/") ? value : std::string();
  }
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return {};
  return std::string(runtime) + "/pulse/native";
}

LoadedSoundDevice::LoadedSoundDevice(std::filesystem::path folder, std::string server_socket)
    : folder_(std::move(folder)), server_socket_(std::move(server_socket)) {}

LoadedSoundDevice::~LoadedSoundDevice() = default;

bool LoadedSoundDevice::Open() {
  if (!device_) {
    if (!UnixSocketAnswers(server_socket_)) return false;
    for (const char* place : kSoundLibraryFolders) {
      device_ = LoadDevice((folder_ / place / kSoundLibrary).lexically_normal());
      if (device_) break;
    }
    if (!device_) return false;
  }
  return device_->Open();
}

std::unique_ptr<platform::SoundBuffer> LoadedSoundDevice::Load(const std::string& path) {
  return device_ ? device_->Load(path) : nullptr;
}

}  // namespace tlj::desktop
