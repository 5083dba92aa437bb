#include "headless/atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

namespace tlj::headless {

void WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  std::filesystem::path temporary = path;
  temporary += ".tmp-" + std::to_string(getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.close();
    if (!out) {
      const std::string reason = std::strerror(errno);
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw std::runtime_error("cannot write " + temporary.string() + ": " + reason);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw std::runtime_error("cannot replace " + path.string() + ": " + ec.message());
  }
}

}  // namespace tlj::headless
