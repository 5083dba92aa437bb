#pragma once
// UTF-8, the program's own text encoding.

#include <string>
#include <string_view>

namespace tlj::platform {

inline constexpr char32_t kReplacement = U'\uFFFD';

// A malformed sequence (stray or missing continuation byte, overlong form, surrogate, a value
// above U+10FFFF) becomes U+FFFD for its first byte, and decoding goes on with the next byte.
std::u32string DecodeUtf8(std::string_view utf8);
// A value that is not a character (surrogate, above U+10FFFF) is written as U+FFFD.
std::string EncodeUtf8(std::u32string_view chars);
std::string EncodeUtf8(char32_t c);

}  // namespace tlj::platform
