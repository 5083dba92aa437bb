#include "posix/program_shell.h"

#include <cstdio>
#include <exception>
#include <iostream>

namespace tlj::posix {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : program.parent_path();
}

int RunParsedProgram(const char* name, const std::string& error, bool help, const char* usage,
                     const std::function<int()>& run) {
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", name, error.c_str(), name);
    return 2;
  }
  if (help) {
    std::fputs(usage, stdout);
    return 0;
  }
  try {
    return run();
  } catch (const std::exception& failure) {
    // A transcript on standard output ends before the message that ends it.
    std::cout.flush();
    std::fprintf(stderr, "%s: %s\n", name, failure.what());
    return 1;
  }
}

}  // namespace tlj::posix
