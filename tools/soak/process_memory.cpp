#include "tools/soak/process_memory.h"

#include <fstream>
#include <string>

namespace tlj::soak {

std::optional<std::int64_t> ResidentBytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      std::int64_t kib = 0;
      if (status >> kib) return kib * 1024;
      return std::nullopt;
    }
    status.ignore(1 << 12, '\n');
  }
  return std::nullopt;
}

}  // namespace tlj::soak
