#include "tools/common/whole_file.h"

#include <fstream>
#include <iterator>

namespace tlj::tools {

std::string ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tlj::tools
