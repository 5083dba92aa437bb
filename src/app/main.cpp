#include "headless/headless.h"
#ifdef TLJ_DESKTOP
#include "desktop/desktop.h"
#endif

int main(int argc, char** argv) {
  return tlj::headless::Run(argc, argv, [](const tlj::headless::Options& options) {
#ifdef TLJ_DESKTOP
    if (!options.headless && tlj::desktop::DisplayAvailable())
      return tlj::desktop::RunClient(options);
#endif
    return tlj::headless::RunClient(options);
  });
}
