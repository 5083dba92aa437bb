#pragma once

#include <cstdint>
#include <string_view>

namespace tlj::tools {

// A decimal whole number within lo..hi, the whole text and nothing else; false otherwise.
bool ParseWholeNumber(std::string_view text, int lo, int hi, int& out);
bool ParseWholeNumber64(std::string_view text, std::int64_t lo, std::int64_t hi, std::int64_t& out);

}  // namespace tlj::tools
