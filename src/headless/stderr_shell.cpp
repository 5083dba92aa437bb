#include "headless/stderr_shell.h"

namespace tlj::headless {

void StderrShell::OpenAddress(const std::string& url) {
  std::fprintf(out_, "open %s\n", url.c_str());
  std::fflush(out_);
}

}  // namespace tlj::headless
