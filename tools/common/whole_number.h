#pragma once

#include <string_view>

namespace tlj::tools {

// A decimal whole number within lo..hi, the whole text and nothing else; false otherwise.
bool ParseWholeNumber(std::string_view text, int lo, int hi, int& out);

}  // namespace tlj::tools
