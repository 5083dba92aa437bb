#pragma once
// Reading a file the tools are handed whole (a dump, a record file).

#include <filesystem>
#include <string>

namespace tlj::tools {

// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& file);

}  // namespace tlj::tools
