#pragma once
// The soak's command line.

#include <string>
#include <vector>

#include "posix/program_shell.h"
#include "tools/soak/soak.h"

namespace tlj::soak {

using ParsedSoakOptions = posix::ParsedArguments<SoakSettings>;

// The programs' paths stay empty unless given: the caller looks beside itself.
ParsedSoakOptions ParseSoakOptions(const std::vector<std::string>& args);
const char* SoakUsage();

}  // namespace tlj::soak
