#include "tests/desktop/wave_bytes.h"

#include <fstream>
#include <stdexcept>

namespace tlj::desktop::testing {
namespace {

void Append16(std::string& bytes, unsigned value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Append32(std::string& bytes, std::uint32_t value) {
  Append16(bytes, value & 0xFFFF);
  Append16(bytes, value >> 16);
}

}  // namespace

std::string Chunk(std::string_view id, std::string_view body) {
  std::string bytes(id);
  Append32(bytes, static_cast<std::uint32_t>(body.size()));
  bytes += body;
  if (body.size() % 2 != 0) bytes += '\0';
  return bytes;
}

std::string Riff(std::string_view form, std::string_view chunks) {
  std::string bytes = "RIFF";
  Append32(bytes, static_cast<std::uint32_t>(form.size() + chunks.size()));
  bytes += form;
  bytes += chunks;
  return bytes;
}

std::string PcmFormat(int rate) {
  constexpr unsigned kPcm = 1;
  constexpr unsigned kChannels = 1;
  constexpr unsigned kBytesPerSample = 2;
  std::string body;
  Append16(body, kPcm);
  Append16(body, kChannels);
  Append32(body, static_cast<std::uint32_t>(rate));
  Append32(body, static_cast<std::uint32_t>(rate) * kChannels * kBytesPerSample);
  Append16(body, kChannels * kBytesPerSample);
  Append16(body, kBytesPerSample * 8);
  return body;
}

std::string PcmWave(const std::vector<std::int16_t>& samples, int rate) {
  std::string data;
  for (const std::int16_t sample : samples) Append16(data, static_cast<std::uint16_t>(sample));
  return Riff("WAVE", Chunk("fmt ", PcmFormat(rate)) + Chunk("data", data));
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace tlj::desktop::testing
