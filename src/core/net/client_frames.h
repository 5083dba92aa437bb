#pragma once
// The frames the client sends: the login request and its reconnect form, the keep-alive, ready
// and leave, the answers to a turn, and the chat line. Each carries the sender's seat code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::net {

// The login request, built once at start-up and sent on every connection.
inline Frame LoginFrame{};
// Builds the login request (type 18) from the account and the password (UTF-8).
// False when a character's ANSI code does not fit in one byte (or it has none), or when a text
// would run past the payload; LoginFrame is then left as it was.
bool BuildLoginFrame(std::string_view account, std::string_view password);
// Rewrites LoginFrame in place into the reconnect request (type 28) for the hand `hand_id`.
void MakeReconnectRequest(std::uint32_t hand_id);
// Makes LoginFrame the login request built at start-up again, after a reconnection rewrote it:
// a client sent back to a table by the lobby logs in afresh.
void MakeLoginRequest();

// A keep-alive (type 24).
Frame BuildKeepAlive(std::uint8_t seat_code);
// Type 16 with status 1: the user is ready for the next game.
Frame BuildReadyFrame(std::uint8_t seat_code);
// Type 16 with status 0: the user leaves the table.
Frame BuildLeaveFrame(std::uint8_t seat_code);

// The answer to the user's turn (type 3): a bet of `amount`, a hot-pot buy, or a give-up (a
// bet of nothing: only the type and the seat are set).
Frame BuildBetFrame(std::uint8_t seat_code, double amount, bool hot_pot);
Frame BuildGiveUpFrame(std::uint8_t seat_code);

// A fresh chat frame from the seat; the sender sets its other bytes and g_sChatText.
Frame BuildChatFrame(std::uint8_t seat_code);

// The chat text of the type-19 frame being queued (UTF-8).
inline std::string g_sChatText;
// Writes g_sChatText into a type-19 frame from byte 16 and empties it.
// False when the text was empty: nothing is to be queued.
bool EncodeChatText(Frame& frame);

}  // namespace tlj::net
