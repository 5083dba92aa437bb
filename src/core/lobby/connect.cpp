#include "core/lobby/connect.h"

#include "core/game/table_model.h"
#include "core/net/link_state.h"
#include "core/net/pump.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/ui.h"

namespace tlj::lobby {

void StartConnection() {
  auto& socket = *platform::Sys().socket;
  if (ProxyType == kDirect) {
    socket.SetRemote(ServerHost, ServerPort);
    if (socket.State() != platform::SocketState::Closed) socket.Close();
    socket.Connect();
    net::StartPump();
    net::ArmChannel(net::kLoginChannel);
  } else if (ProxyType == kSocks5) {
    net::DisarmChannel(net::kLoginChannel);
    net::ConnectToSock5Server();
  }
}

void ReEnterTable() {
  net::DataMode = true;
  StartConnection();
  game::g_bBtnLocked[2] = false;
  view::LoadGifResource(view::ButtonImageIds[4], "GIF", view::El("AnNiu", 2));
  view::HideClock();
}

}  // namespace tlj::lobby
