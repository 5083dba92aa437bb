// The lobby's 13-field command line as the client reads it, and the number readers under it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/lobby/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tlj::lobby;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParsedCommandLine parsed = ParseCommandLine(text);
  if (parsed.line) {
    MaskedCommandLine(*parsed.line);
    for (int k = 1; k <= kFieldCount; ++k) ToInt16(parsed.line->Field(k));
  }
  ToNumber(text);
  LeadingNumber(text);
  return 0;
}
