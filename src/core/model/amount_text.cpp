#include "core/model/amount_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tlj::model {

// Whole amounts up to 2^53 are exact in a double and are written in full; anything else gets
// 15 significant digits, with an exponent once it has more integer digits than that.
std::string AmountText(double value) {
  constexpr double kExactLimit = 9007199254740992.0;  // 2^53
  if (std::trunc(value) == value && std::fabs(value) <= kExactLimit) {
    return std::to_string(static_cast<long long>(value));
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", value);
  return text;
}

double CaptionValue(std::string_view caption) {
  const std::string text(caption);
  const auto first = static_cast<unsigned char>(text.empty() ? '\0' : text[0]);
  if (!std::isdigit(first) && first != '-' && first != '.') return 0;
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace tlj::model
