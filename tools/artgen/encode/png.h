#pragma once
// PNG copies of the pictures, for people to look at.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tlj::artgen::encode {

void WritePng(const std::filesystem::path& file, const std::vector<std::uint8_t>& rgba, int width,
              int height);

}  // namespace tlj::artgen::encode
