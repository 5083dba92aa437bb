#include "posix/window_message.h"

#include <charconv>

namespace tlj::posix {
namespace {

template <typename Int>
bool ParseField(std::string_view text, Int& out) {
  if (text.empty() || text.front() == '+') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string FormatWindowMessage(const WindowMessage& message) {
  return std::to_string(message.msg) + ' ' + std::to_string(message.wparam) + ' ' +
         std::to_string(message.lparam);
}

std::optional<WindowMessage> ParseWindowMessage(std::string_view datagram) {
  if (datagram.ends_with('\n')) datagram.remove_suffix(1);
  const auto first = datagram.find(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = datagram.find(' ', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  WindowMessage message;
  if (!ParseField(datagram.substr(0, first), message.msg) ||
      !ParseField(datagram.substr(first + 1, second - first - 1), message.wparam) ||
      !ParseField(datagram.substr(second + 1), message.lparam)) {
    return std::nullopt;
  }
  return message;
}

}  // namespace tlj::posix
