#pragma once
// A PNG's size, read from its header.

#include <filesystem>
#include <fstream>
#include <utility>

namespace tlj::e2e {

inline std::pair<int, int> PngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof(header));
  const auto word = [&](int at) {
    return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
  };
  return {word(16), word(20)};
}

}  // namespace tlj::e2e
