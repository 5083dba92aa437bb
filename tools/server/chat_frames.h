#pragma once
// The chat line (type 19): a bot's phrase, built as a client builds it, and the line as the
// table hears it.

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/server/wire.h"

namespace tlj::server {

// Between the speaker's nickname and a public line's words.
inline constexpr std::string_view kSays = "说道： ";
// Byte 10 names no later line of a phrase list.
inline constexpr int kLastChatLine = 0xFF;

// A phrase from `seat`: list and line, the voice mark for a voice phrase, and `text` (UTF-8) in
// GBK, cut at the last whole character that fits.
Frame PhraseFrame(int seat, std::uint8_t list, int line, std::string_view text);
// `frame` as the table hears it: said from `seat` whatever its byte 6 claims, the rest of the
// header as it came, the text up to its first zero byte or its last whole character, and zero
// everywhere else.
Frame RelayedChat(const Frame& frame, int seat);
bool HasChatText(const Frame& frame);
// The text as UTF-8 for a log line: control characters and the backslash as \xNN.
std::string ChatText(const Frame& frame);

}  // namespace tlj::server
