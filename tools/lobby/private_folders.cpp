#include "tools/lobby/private_folders.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tlj::lobby_tool {

PrivateFolders::PrivateFolders() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tlj-lobby-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder: " +
                             std::string(std::strerror(errno)));
  }
  root_ = pattern;
  std::error_code ec;
  for (const auto& folder : {Windows(), Program(), Dumps()}) {
    if (!std::filesystem::create_directory(folder, ec)) {
      std::filesystem::remove_all(root_, ec);
      throw std::runtime_error("cannot create " + folder.string() + ": " + ec.message());
    }
  }
}

PrivateFolders::~PrivateFolders() {
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

}  // namespace tlj::lobby_tool
