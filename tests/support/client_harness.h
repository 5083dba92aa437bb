#pragma once
// What tests share: the client harness and temporary folders.

#include "sim/client_harness.h"
#include "sim/temp_dir.h"

namespace tlj::testing {

using sim::TempDir;

}  // namespace tlj::testing
