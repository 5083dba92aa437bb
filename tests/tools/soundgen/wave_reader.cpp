#include "tests/tools/soundgen/wave_reader.h"

#include <fstream>
#include <iterator>
#include <string_view>

namespace tlj::soundgen::testing {
namespace {

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) value = value << 8 | bytes[at + k];
  return value;
}

std::string_view Tag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

}  // namespace

WaveFile ReadWave(const std::vector<std::uint8_t>& bytes) {
  WaveFile wave;
  if (bytes.size() < 12 || Tag(bytes, 0) != "RIFF" || Tag(bytes, 8) != "WAVE") {
    wave.error = "no RIFF/WAVE header";
    return wave;
  }
  wave.riff_size = LittleEndian(bytes, 4, 4);
  bool have_format = false, have_data = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view tag = Tag(bytes, at);
    const std::uint32_t size = LittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > bytes.size()) {
      wave.error = std::string(tag) + " chunk runs past the end";
      return wave;
    }
    if (tag == "fmt " && size >= 16) {
      have_format = true;
      wave.fmt_size = size;
      wave.format = static_cast<int>(LittleEndian(bytes, body, 2));
      wave.channels = static_cast<int>(LittleEndian(bytes, body + 2, 2));
      wave.rate = LittleEndian(bytes, body + 4, 4);
      wave.byte_rate = LittleEndian(bytes, body + 8, 4);
      wave.block_align = static_cast<int>(LittleEndian(bytes, body + 12, 2));
      wave.bits = static_cast<int>(LittleEndian(bytes, body + 14, 2));
    } else if (tag == "data") {
      have_data = true;
      wave.data_size = size;
      for (std::size_t k = 0; k + 1 < size; k += 2)
        wave.samples.push_back(static_cast<std::int16_t>(LittleEndian(bytes, body + k, 2)));
    }
    at = body + size + size % 2;  // chunks are padded to an even size
  }
  if (!have_format || !have_data) wave.error = "no fmt or no data chunk";
  return wave;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tlj::soundgen::testing
