#include "tools/lobby/transcript.h"

#include <cstdio>
#include <ostream>

namespace tlj::lobby_tool {

void Transcript::Line(std::string_view text) {
  const double seconds = static_cast<double>(loop_.Now() - start_) / 1000.0;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%6.2f] ", seconds);
  out_ << stamp << text << std::endl;
}

}  // namespace tlj::lobby_tool
