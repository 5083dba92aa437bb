#pragma once
// Text on the wire and in the local files is in the ANSI code page (GBK, code page 936);
// the program holds UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/utf8.h"

namespace tlj::text {

// The UTF-8 codec lives with the platform's text boxes; the text layer passes it on.
using platform::DecodeUtf8;
using platform::EncodeUtf8;

// The character's code in the ANSI code page: below 0x100 for a single-byte character,
// lead byte * 256 + trail byte for a double-byte one; '?' (63) when it has none.
std::uint16_t AnsiCode(char32_t c);
// The same code, or nothing when the character has none (where AnsiCode gives '?').
std::optional<std::uint16_t> FindAnsiCode(char32_t c);

// The whole text in the ANSI code page; nothing when a character has no code there or the
// UTF-8 is malformed.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);
// ANSI bytes to UTF-8; a byte sequence that is not GBK becomes U+FFFD per byte.
std::string AnsiToUtf8(std::string_view ansi);

// The double-byte character made of a lead and a trail byte; U+FFFD when the pair is not one.
char32_t AnsiPairChar(std::uint8_t lead, std::uint8_t trail);

// The character whose single-byte code is `byte` (single-byte text fields).
char32_t ByteChar(std::uint8_t byte);

}  // namespace tlj::text
