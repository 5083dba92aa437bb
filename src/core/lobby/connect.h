#pragma once
// Starting a connection to the game server (start-up and re-entry).

#include <cstdint>
#include <string>

namespace tlj::lobby {

inline constexpr std::int16_t kDirect = 0;
inline constexpr std::int16_t kSocks5 = 5;

inline std::string ServerHost;
inline std::int16_t ServerPort = 0;
inline std::int16_t ProxyType = 0;

// Connects directly (starting the pump and its login channel) or through the proxy, as
// ProxyType says; any other type connects nothing.
void StartConnection();

// Lobby message 22: the idle client is sent to a table again.
void ReEnterTable();

}  // namespace tlj::lobby
