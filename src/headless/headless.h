#pragma once

namespace tlj::headless {

// Runs the client with no window; returns the process exit code. Options that cannot be used
// end it with code 2.
int Run(int argc, char** argv);

}  // namespace tlj::headless
