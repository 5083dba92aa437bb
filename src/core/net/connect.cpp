#include "core/net/connect.h"

#include "core/net/channels.h"
#include "core/net/pump.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"

namespace tlj::net {

bool SocketConnected() {
  return platform::Sys().socket->State() == platform::SocketState::Connected;
}

void StartConnection() {
  auto& socket = *platform::Sys().socket;
  if (ProxyType == kDirect) {
    socket.SetRemote(ServerHost, ServerPort);
    if (socket.State() != platform::SocketState::Closed) socket.Close();
    socket.Connect();
    StartPump();
    ArmChannel(kLoginChannel);
  } else if (ProxyType == kSocks5) {
    DisarmChannel(kLoginChannel);
    ConnectToSock5Server();
  }
}

}  // namespace tlj::net
