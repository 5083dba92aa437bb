#pragma once
// What the system says of a process's memory.

#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace tlj::soak {

// The resident set of process `pid` in bytes (VmRSS); nothing once it has gone.
std::optional<std::int64_t> ResidentBytes(pid_t pid);

}  // namespace tlj::soak
