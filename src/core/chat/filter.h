#pragma once
// The word filter of received chat lines.

#include <string>
#include <string_view>

namespace tlj::chat {

// Removes each banned word everywhere in the text, one word after the other in the list's
// order, so a longer word goes before the shorter one it contains.
std::string FilterChat(std::string_view text);

}  // namespace tlj::chat
