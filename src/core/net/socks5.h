#pragma once
// Reaching the game server through a SOCKS5 proxy with user name and password authentication,
// IPv4 CONNECT only. The same socket then carries the frame stream.

#include <cstdint>
#include <string>
#include <vector>

#include "core/net/rings.h"
#include "core/platform/event_loop.h"
#include "core/platform/game_socket.h"

namespace tlj::net {

inline std::string ProxyHost;
inline std::int16_t ProxyPort = 0;
inline std::string ProxyUser;
inline std::string ProxyPassword;
inline std::uint8_t ProxyStep = 0;

inline constexpr std::size_t kProxyBufferSize = 1024;
inline ByteRing<kProxyBufferSize> ProxyBuffer;

// How long to wait for the proxy's TCP connection before giving up with the greeting failure.
inline constexpr platform::TimeMs kProxyConnectTimeoutMs = 30'000;
// How long the proxy may take over the rest of its handshake; then the step it stopped at fails
// as if refused (a proxy that answers nothing would leave the table waiting).
inline constexpr platform::TimeMs kProxyHandshakeTimeoutMs = 30'000;

// The handshake's timer, owned by the table window with the transport's timers.
void CreateProxyTimer();
void DestroyProxyTimer();

// Connects to the proxy and sends the greeting; the rest follows from the proxy's replies.
void ConnectToSock5Server();
// Bytes from the socket while DataMode is false.
void ProxyBytesArrived(const platform::GameSocket::Bytes& bytes);
// The step the handshake stopped at fails as if the proxy had refused it: once the handshake's
// time is up, or at once when the proxy closes the connection.
void FailProxyStep();

// The requests, as sent.
std::vector<std::uint8_t> BuildGreeting();
std::vector<std::uint8_t> BuildAuthentication(const std::string& user, const std::string& password);
std::vector<std::uint8_t> BuildConnectRequest(const std::string& host, int port);

}  // namespace tlj::net
