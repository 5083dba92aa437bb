#include "tools/common/shipped_files.h"

namespace tlj::tools {

std::filesystem::path ShippedFile(const std::filesystem::path& program_folder,
                                  std::string_view name) {
  if (program_folder.empty()) return {};
  std::error_code ec;
  for (const auto& candidate :
       {program_folder / name, program_folder.parent_path() / "share" / "tlj" / name}) {
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
  }
  return {};
}

std::filesystem::path ShippedSounds(const std::filesystem::path& program_folder) {
  if (program_folder.empty()) return {};
  const std::filesystem::path above = program_folder.parent_path();
  std::error_code ec;
  for (const auto& candidate : {above / "common", above / "share" / "tlj" / "common"}) {
    if (std::filesystem::is_directory(candidate, ec)) return candidate.lexically_normal();
  }
  return {};
}

}  // namespace tlj::tools
