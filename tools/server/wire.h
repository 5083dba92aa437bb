#pragma once
// The frames the server reads and writes: command types, field offsets and the replies.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/net/frame.h"

namespace tlj::server {

using net::Frame;

// Command types (the shared numbers, and the one the server reads two ways).
using net::kTypeBet;
using net::kTypeChat;
using net::kTypeKeepAlive;
using net::kTypeLogin;
using net::kTypeReconnect;
using net::kTypeReconnectReply;
inline constexpr std::uint8_t kTypeReadyOrLeave = net::kTypeEndOfHand;

// The login request: single-byte texts, each ended by a zero byte or by its field's end.
inline constexpr std::size_t kAccountAt = 16;
inline constexpr std::size_t kAccountSize = 16;
inline constexpr std::size_t kPasswordAt = 32;
inline constexpr std::size_t kPasswordSize = net::kTokenAt - kPasswordAt;

// The login reply.
inline constexpr std::size_t kTurnSecondsAt = 11;
inline constexpr std::uint8_t kTurnSeconds = 15;
inline constexpr std::uint8_t kLoginAccepted = 1;
inline constexpr std::uint8_t kLoginTableFull = 2;  // the client reads it as "starting failed"
inline constexpr std::uint8_t kLoginRefused = 3;

inline constexpr std::uint8_t kReconnectRefused = 0;

// A hand id is valid below 2^31.
inline constexpr std::uint32_t kHandIdLimit = 0x8000'0000u;

// The bytes of a text field up to its first zero byte.
std::string ReadField(const Frame& frame, std::size_t first, std::size_t size);

// A login reply with `status`; an accepted one carries the turn length and no advertisement.
Frame LoginReply(std::uint8_t status);
Frame ReconnectReply(std::uint8_t status);

}  // namespace tlj::server
