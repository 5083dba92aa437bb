#pragma once

#include <functional>

#include "headless/options.h"

namespace tlj::headless {

// Runs the client with no window; returns the process exit code.
int RunClient(const Options& options);

// The program around a front end: reads the options (options that cannot be used end it with
// code 2), makes the process ready for sockets and runs the client in `front_end`.
int Run(int argc, char** argv, const std::function<int(const Options&)>& front_end = RunClient);

}  // namespace tlj::headless
