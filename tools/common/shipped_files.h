#pragma once
// The files the programs ship with (the phrase file, the sounds): beside the program in a build
// tree, under share/tlj/ beside its bin/ once installed.

#include <filesystem>
#include <string_view>

namespace tlj::tools {

// The shipped file `name` for the program in `program_folder`; empty when neither place holds
// it.
std::filesystem::path ShippedFile(const std::filesystem::path& program_folder,
                                  std::string_view name);

// The shipped sound folders' parent ("common"): beside the program's folder in a build tree,
// under share/tlj/ once installed; empty when neither place holds it.
std::filesystem::path ShippedSounds(const std::filesystem::path& program_folder);

}  // namespace tlj::tools
