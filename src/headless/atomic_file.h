#pragma once

#include <filesystem>
#include <string_view>

namespace tlj::headless {

// Writes the file beside its final place and renames it there, so a reader sees either the
// old file or the whole new one. Throws std::runtime_error when it cannot.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace tlj::headless
