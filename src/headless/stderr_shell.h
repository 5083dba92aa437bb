#pragma once
// The shell without a desktop: each address to open is printed to standard error as
// "open URL", for whoever drives the client to follow.

#include <cstdio>
#include <string>

#include "core/platform/shell.h"

namespace tlj::headless {

class StderrShell : public platform::Shell {
 public:
  explicit StderrShell(std::FILE* out = stderr) : out_(out) {}
  void OpenAddress(const std::string& url) override;

 private:
  std::FILE* out_;
};

}  // namespace tlj::headless
