#pragma once
// The 272-byte command frame: field offsets, readers and writers, and the token.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tlj::net {

inline constexpr std::size_t kFrameSize = 272;
using Frame = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::size_t kTypeAt = 3;
inline constexpr std::size_t kSeatAt = 6;
inline constexpr std::size_t kStatusAt = 15;
inline constexpr std::size_t kPayloadAt = 16;
inline constexpr std::size_t kTokenAt = 260;
inline constexpr std::size_t kHandIdAt = 268;

// Command types, byte 3. Some numbers mean one thing from the server and another from the
// client (3: a bet; 16: end of hand, or ready/leave; 18: login reply, or login request).
inline constexpr std::uint8_t kTypeNewHand = 1;
inline constexpr std::uint8_t kTypeTurnStart = 2;
inline constexpr std::uint8_t kTypeBet = 3;
inline constexpr std::uint8_t kTypeBetResult = 4;
inline constexpr std::uint8_t kTypePotRefill = 5;
inline constexpr std::uint8_t kTypePotUpdate = 6;
inline constexpr std::uint8_t kTypeGameOver = 9;
inline constexpr std::uint8_t kTypeEndOfHand = 16;  // sent by the client: ready or leave
inline constexpr std::uint8_t kTypeLogin = 18;
inline constexpr std::uint8_t kTypeChat = 19;
inline constexpr std::uint8_t kTypePlayerArrives = 20;
inline constexpr std::uint8_t kTypePlayerLeft = 21;
inline constexpr std::uint8_t kTypeRemoved = 22;
inline constexpr std::uint8_t kTypePlayerReady = 23;
inline constexpr std::uint8_t kTypeKeepAlive = 24;
inline constexpr std::uint8_t kTypeReconnect = 28;
inline constexpr std::uint8_t kTypeReconnectReply = 29;

// Readers. Every reader stops at the end of its field and never reads past the frame.
std::uint8_t ReadByte(const Frame& frame, std::size_t at);
std::uint32_t ReadLe32(const Frame& frame, std::size_t first);
// 8-byte little-endian unsigned amount, accumulated into a double.
double ReadAmount(const Frame& frame, std::size_t first);
// 4-byte big-endian card code.
std::uint32_t ReadCardCode(const Frame& frame, std::size_t first);
// Mixed ANSI text (GBK), as UTF-8; stops at the first zero byte or the field's end.
std::string ReadAnsiText(const Frame& frame, std::size_t first, std::size_t size);
// Single-byte text, one character per byte, as UTF-8.
std::string ReadByteText(const Frame& frame, std::size_t first, std::size_t size);
// Double-byte text (GBK pairs), as UTF-8; stops at a pair whose first byte is zero.
std::string ReadDoubleByteText(const Frame& frame, std::size_t first, std::size_t size);

// Writers.
void WriteByte(Frame& frame, std::size_t at, std::uint8_t value);
// The bet amount: rounded to a signed 32-bit integer, 8 bytes big-endian from `first`.
// Halves round to even; an amount below 0 is written as 0, one above 2^31-1 as 2^31-1.
void WriteAmountBe(Frame& frame, std::size_t first, double amount);

// The token the client echoes in every frame it queues.
inline std::array<std::uint8_t, 2> ServerToken{};
// Takes bytes 260..261 of a received frame as the token, except for type 29.
void CaptureToken(const Frame& message);

}  // namespace tlj::net
