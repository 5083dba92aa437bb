#include "headless/headless.h"

#include <cstdio>

namespace tlj::headless {

int Run(int, char**) {
  std::fputs("tlj: headless front end not built yet\n", stderr);
  return 2;
}

}  // namespace tlj::headless
