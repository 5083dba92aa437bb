#include "tools/soundgen/sounds/write_all.h"

#include "tools/soundgen/sounds/catalogue.h"
#include "tools/soundgen/wave/wave_file.h"

namespace tlj::soundgen::sounds {

std::vector<std::filesystem::path> WriteAll(const std::filesystem::path& common_dir) {
  std::vector<std::filesystem::path> files;
  for (const Sound& sound : Catalogue()) {
    const std::filesystem::path folder = common_dir / sound.folder;
    std::filesystem::create_directories(folder);
    files.push_back(folder / sound.name);
    wave::WriteWaveFile(files.back(), sound.make());
  }
  return files;
}

}  // namespace tlj::soundgen::sounds
