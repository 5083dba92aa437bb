#pragma once
// The desktop's sound device: the Qt Multimedia device of the sound library beside the program
// (or, installed, in lib/tlj beside its bin/), loaded when the device is opened and a sound
// server answers. Without a server, or without
// the library, the device does not open and the table is silent, as on any machine without
// sound.

#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/sound_device.h"

namespace tlj::desktop {

inline constexpr const char* kSoundLibrary = "libtlj_qt_sound.so";
// Where the library is looked for, from the program folder: a build puts it beside the
// program, an installation in its private library folder (packaging/install.cmake).
inline constexpr const char* kSoundLibraryFolders[] = {".", "../lib/tlj"};

// Where a sound server would answer: PULSE_SERVER when it names a socket, else the socket in
// the user's runtime folder; empty when there is no place to look.
std::string SoundServerSocket();

class LoadedSoundDevice : public platform::SoundDevice {
 public:
  // `folder`: the program folder; `server_socket`: where a sound server must answer.
  LoadedSoundDevice(std::filesystem::path folder, std::string server_socket);
  ~LoadedSoundDevice() override;

  bool Open() override;
  std::unique_ptr<platform::SoundBuffer> Load(const std::string& path) override;

 private:
  std::filesystem::path folder_;
  std::string server_socket_;
  std::unique_ptr<platform::SoundDevice> device_;
};

}  // namespace tlj::desktop
