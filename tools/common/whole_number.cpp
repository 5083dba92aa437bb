#include "common/whole_number.h"

#include <charconv>

namespace tlj::tools {

bool ParseWholeNumber(std::string_view text, int lo, int hi, int& out) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    return false;
  out = value;
  return true;
}

}  // namespace tlj::tools
