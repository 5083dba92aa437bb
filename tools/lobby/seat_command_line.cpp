#include "tools/lobby/seat_command_line.h"

namespace tlj::lobby_tool {
namespace {

// Fields 6 to 13: direct connection (0), no proxy, and field 11 not 1, so the client keeps
// its own title and looks the lobby up by its default one.
constexpr const char* kDirectDefaultTitles = "0$$$$$0$$$";

std::string Compose(const SeatCommandLine& line, const std::string& password) {
  return line.account + "$" + password + "$" + line.host + "$" + std::to_string(line.port) + "$" +
         line.location + "$" + kDirectDefaultTitles;
}

}  // namespace

std::string SeatCommandLine::Text() const {
  return Compose(*this, password);
}

std::string SeatCommandLine::MaskedText() const {
  return Compose(*this, "***");
}

}  // namespace tlj::lobby_tool
