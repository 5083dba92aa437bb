#pragma once
// Chat text as it travels and as the history shows it: the received frame's text, the display
// width of a character and the wrapping of a long line.

#include <string>
#include <string_view>

#include "core/net/frame.h"
#include "core/platform/element_tree.h"

namespace tlj::chat {

// The received line: ANSI text from byte 16 up to byte 216, ending at the first zero byte. A
// lead byte whose trail byte is missing (a zero, or the end of the field) ends the text with a
// "?", and a pair the code page does not map shows as "?".
std::string DecodeChatText(const net::Frame& frame);

// Columns a character takes: 1 when its ANSI code is a single byte, 2 otherwise.
int DisplayWidth(char32_t c);

// Adds the text to a list box as lines of about `width` columns: the first line ends with the
// character at which the width was reached, and every later line starts with a blank.
void AddWrapped(platform::Element& list, std::string_view text, int width);

// Every occurrence of `from` replaced by `to` in one pass, as a replace does: what a
// replacement joins together is not looked at again. An empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The text cut to its first `count` characters.
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace tlj::chat
