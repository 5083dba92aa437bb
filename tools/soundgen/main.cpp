// tlj-soundgen COMMONDIR: synthesises every sound the client plays and writes them as wave
// files into COMMONDIR/music, COMMONDIR/tlj and COMMONDIR/beiling, the common folder beside the
// client's program folder.

#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/soundgen/sounds/write_all.h"

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fputs("usage: tlj-soundgen COMMONDIR\n", stderr);
    return 2;
  }
  try {
    const auto files = tlj::soundgen::sounds::WriteAll(argv[1]);
    std::printf("tlj-soundgen: %zu sounds in %s\n", files.size(), argv[1]);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tlj-soundgen: %s\n", error.what());
    return 1;
  }
}
