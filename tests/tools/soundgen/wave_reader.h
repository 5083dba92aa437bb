#pragma once
// Reading a wave file back chunk by chunk, apart from the writer, so that the tests check the
// file rather than the writer against itself.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tlj::soundgen::testing {

struct WaveFile {
  std::uint32_t riff_size = 0;  // as the header says
  std::uint32_t fmt_size = 0;
  int format = 0;  // 1: PCM
  int channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t byte_rate = 0;
  int block_align = 0;
  int bits = 0;
  std::uint32_t data_size = 0;  // as the header says
  std::vector<std::int16_t> samples;
  std::string error;  // empty when the file reads as a wave file
};

WaveFile ReadWave(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);

}  // namespace tlj::soundgen::testing
