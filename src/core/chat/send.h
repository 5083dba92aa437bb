#pragma once
// Typing and sending chat lines: the chat box, Enter and its rate limit, the send button and
// private lines to a player chosen by a click on the avatar.

#include <string>
#include <string_view>

#include "core/net/frame.h"
#include "core/platform/element_tree.h"

namespace tlj::chat {

inline constexpr int kChatIntervalMs = 800;  // TimerChat: Enter sends one line in this time

void CreateChatTimer();
void DestroyChatTimer();

// A key typed in the chat box, before the box takes it; then the change it made.
void Chat_KeyPress(platform::ElementEvent& event);
void Chat_Change();

// Composes and queues the line in the chat box: from Enter, or from the send button, which
// empties the box at once.
void SendChat(bool from_button);

// The next line goes privately to the player at screen position `index`.
void Tou_Click(int index);

// The private prefix is at the start of the chat box.
bool PrivateLine(std::string_view typed);
// The text a line carries, and its target seat in byte 11 for a private line: a private line
// to a known seat carries the words alone, its receivers add the names.
std::string ComposeLine(net::Frame& frame, std::string_view words, bool private_line);

}  // namespace tlj::chat
