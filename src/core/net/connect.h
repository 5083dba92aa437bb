#pragma once
// The game server the lobby named, and starting a connection to it (start-up and re-entry):
// directly, or through the SOCKS5 proxy.

#include <cstdint>
#include <string>

namespace tlj::net {

inline constexpr std::int16_t kDirect = 0;
inline constexpr std::int16_t kSocks5 = 5;

inline std::string ServerHost;
inline std::int16_t ServerPort = 0;
inline std::int16_t ProxyType = 0;

// Connects directly (starting the pump and its login channel) or through the proxy, as
// ProxyType says; any other type connects nothing.
void StartConnection();

// The game socket's State is 7: the link to the server (or to the proxy) is up.
bool SocketConnected();

}  // namespace tlj::net
