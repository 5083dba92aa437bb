#pragma once
// Writing the whole catalogue.

#include <filesystem>
#include <vector>

namespace tlj::soundgen::sounds {

// Writes every sound of the catalogue as a wave file into its folder under `common_dir`,
// making the folders; returns the files written, in catalogue order.
std::vector<std::filesystem::path> WriteAll(const std::filesystem::path& common_dir);

}  // namespace tlj::soundgen::sounds
