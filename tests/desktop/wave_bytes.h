#pragma once
// Wave files byte by byte, written apart from the code under test, for the sound device's tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tlj::desktop::testing {

// A RIFF chunk: the four-character id, the body's size, the body and a pad byte to an even size.
std::string Chunk(std::string_view id, std::string_view body);
// The RIFF header of `form` ("WAVE") around the chunks.
std::string Riff(std::string_view form, std::string_view chunks);
// The body of a PCM format chunk for 16-bit mono at `rate`.
std::string PcmFormat(int rate);
// A whole 16-bit mono PCM wave file.
std::string PcmWave(const std::vector<std::int16_t>& samples, int rate);

void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tlj::desktop::testing
