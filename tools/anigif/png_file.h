#pragma once
// Writes a picture as an 8-bit RGBA PNG, so that other programs can compare it.

#include <filesystem>

#include "core/platform/image.h"

namespace tlj::anigif_tool {

// False when the file cannot be written.
bool WritePng(const std::filesystem::path& path, const platform::Image& image);

}  // namespace tlj::anigif_tool
