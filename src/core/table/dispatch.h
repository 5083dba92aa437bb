#pragma once
// Hands a received frame to the handler of its command type.

#include <cstdint>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::table {

struct CommandType {
  std::uint8_t type;
  std::string_view name;
  void (*handler)(const net::Frame& frame);  // null: taken off the stream and ignored
};

// The received command types, in one table.
const CommandType* FindCommandType(std::uint8_t type);

// Drops a frame with out-of-range values whole; otherwise captures the token and runs the
// handler of its type to its end.
void DispatchCommand(const net::Frame& frame);

}  // namespace tlj::table
