#pragma once
// The chat module's state: the private-line target, the rate limit, the blink of the history
// button and the backspace that leaves private mode.

#include <array>
#include <cstdint>
#include <string>

namespace tlj::chat {

// "你对" + nickname + "说 ：" while the next line is private; empty for public chat.
inline std::string g_sWhisperPrefix;
// The private target's seat code, sent in byte 11; 0 when none was chosen.
inline std::uint8_t g_iWhisperSeat = 0;
// The text that was in the chat box when the target was chosen.
inline std::string TypedBeforeTarget;
// Enter may send a line; cleared for 800 ms by each Enter.
inline bool g_bChatReady = true;
// The blink steps of the history button still to come.
inline std::int16_t g_iChatBlink = 0;
// A Backspace reached into the private prefix: the change it makes removes the whole prefix.
inline bool BackspacePending = false;
inline std::string RememberedText;  // the chat box's text before that Backspace
// The hover flags of the phrase buttons imgword1 and imgword2.
inline std::array<bool, 2> g_bWordHover{};

void SetChatStartValues();

}  // namespace tlj::chat
