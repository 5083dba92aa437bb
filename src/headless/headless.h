#pragma once

namespace tlj::headless {

// Runs the client with no window; returns the process exit code.
int Run(int argc, char** argv);

}  // namespace tlj::headless
