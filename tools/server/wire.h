#pragma once
// The frames the server reads and writes: command types, field offsets and the replies. The
// server shares only the frame's size, type numbers and common positions with the client; it
// reads and writes each command's fields with offsets of its own, not the client's
// (core/net/frame_fields.h), so that the two readings of the wire check each other.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::server {

using net::Frame;

// Command types (the shared numbers, and the one the server reads two ways).
using net::kTypeBet;
using net::kTypeBetResult;
using net::kTypeChat;
using net::kTypeEndOfHand;
using net::kTypeGameOver;
using net::kTypeKeepAlive;
using net::kTypeLogin;
using net::kTypeNewHand;
using net::kTypePlayerArrives;
using net::kTypePlayerLeft;
using net::kTypePlayerReady;
using net::kTypePotRefill;
using net::kTypePotUpdate;
using net::kTypeReconnect;
using net::kTypeReconnectReply;
using net::kTypeRemoved;
using net::kTypeTurnStart;
inline constexpr std::uint8_t kTypeReadyOrLeave = net::kTypeEndOfHand;

// The login request: single-byte texts, each ended by a zero byte or by its field's end.
inline constexpr std::size_t kAccountAt = 16;
inline constexpr std::size_t kAccountSize = 16;
inline constexpr std::size_t kPasswordAt = 32;
inline constexpr std::size_t kPasswordSize = net::kTokenAt - kPasswordAt;

// The login reply.
inline constexpr std::size_t kTurnSecondsAt = 11;
// The advertisement page's address, single-byte text; the client adds ".gamead" for the notice.
inline constexpr std::size_t kAdPageAt = 16;
inline constexpr std::size_t kAdPageSize = 100;
inline constexpr std::uint8_t kLoginAccepted = 1;
inline constexpr std::uint8_t kLoginTableFull = 2;  // the client reads it as "starting failed"
inline constexpr std::uint8_t kLoginRefused = 3;

inline constexpr std::uint8_t kReconnectRefused = 0;
inline constexpr std::uint8_t kReconnectAccepted = 1;

// The client's ready/leave frame (type 16), by its status byte.
inline constexpr std::uint8_t kStatusLeave = 0;
inline constexpr std::uint8_t kStatusReady = 1;

// The client's bet (type 3): the amount big-endian, and the hot-pot flag.
inline constexpr std::size_t kBetAmountAt = 16;
inline constexpr std::size_t kHotPotAt = 32;

// The chat line (type 19), the same both ways. Byte 6 is the speaker's seat code; none in its
// low four bits is a line from the server itself.
inline constexpr std::uint8_t kSeatBits = 0x0F;
inline constexpr std::size_t kChatListAt = 9;     // the phrase list; 0 for a typed line
inline constexpr std::size_t kChatLineAt = 10;    // 1-based, in that list
inline constexpr std::size_t kChatTargetAt = 11;  // a private line's seat code; 0: everybody
inline constexpr std::size_t kChatVoiceAt = 13;
inline constexpr std::size_t kChatClipAt = 15;
inline constexpr std::size_t kChatTextAt = 16;  // GBK, zero-padded
inline constexpr std::size_t kChatTextSize = 200;
inline constexpr std::uint8_t kChatQuickList = 1;
inline constexpr std::uint8_t kChatVoiceList = 2;
inline constexpr std::uint8_t kChatVoiceMark = 97;  // 'a' at kChatVoiceAt

// A hand id is valid below 2^31.
inline constexpr std::uint32_t kHandIdLimit = 0x8000'0000u;

// The one-hot seat bit of seat 0..3.
inline constexpr std::uint8_t SeatBit(int seat) {
  return static_cast<std::uint8_t>(1u << seat);
}

// The bytes of a text field up to its first zero byte.
std::string ReadField(const Frame& frame, std::size_t first, std::size_t size);
std::uint64_t ReadBe64(const Frame& frame, std::size_t first);
std::uint64_t ReadLe64(const Frame& frame, std::size_t first);
std::uint32_t ReadBe32(const Frame& frame, std::size_t first);
std::uint16_t ReadToken(const Frame& frame);

void WriteLe64(Frame& frame, std::size_t first, std::uint64_t value);
void WriteLe32(Frame& frame, std::size_t first, std::uint32_t value);
void WriteBe32(Frame& frame, std::size_t first, std::uint32_t value);
void WriteToken(Frame& frame, std::uint16_t token);
// Single-byte text, cut at the field's end.
void WriteByteText(Frame& frame, std::size_t first, std::size_t size, std::string_view text);
// UTF-8 text as GBK, cut at the last whole character that fits; a character without a GBK code
// is left out.
void WriteAnsiText(Frame& frame, std::size_t first, std::size_t size, std::string_view utf8);

// A login reply with `status`; an accepted one carries the turn length and the advertisement
// page's address (none when empty; cut at its field's end).
Frame LoginReply(std::uint8_t status, std::uint8_t turn_seconds = 0, std::string_view ad_page = {});
Frame ReconnectReply(std::uint8_t status);

}  // namespace tlj::server
