#include "tools/common/whole_number.h"

#include <charconv>

namespace tlj::tools {
namespace {

template <typename Number>
bool ParseWithin(std::string_view text, Number lo, Number hi, Number& out) {
  Number value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    return false;
  out = value;
  return true;
}

}  // namespace

bool ParseWholeNumber(std::string_view text, int lo, int hi, int& out) {
  return ParseWithin(text, lo, hi, out);
}

bool ParseWholeNumber64(std::string_view text, std::int64_t lo, std::int64_t hi,
                        std::int64_t& out) {
  return ParseWithin(text, lo, hi, out);
}

}  // namespace tlj::tools
