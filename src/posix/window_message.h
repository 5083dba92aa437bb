#pragma once
// A posted window message as it travels between windows: one datagram of ASCII text
// "MSG WPARAM LPARAM" in decimal, such as "771 0 0".

#include <optional>
#include <string>
#include <string_view>

namespace tlj::posix {

struct WindowMessage {
  int msg = 0;
  long wparam = 0;
  long lparam = 0;
  bool operator==(const WindowMessage&) const = default;
};

std::string FormatWindowMessage(const WindowMessage& message);
// Three decimal integers separated by single blanks, optionally ending in one newline;
// anything else is no message.
std::optional<WindowMessage> ParseWindowMessage(std::string_view datagram);

}  // namespace tlj::posix
