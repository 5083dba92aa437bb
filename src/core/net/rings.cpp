#include "core/net/rings.h"

#include <vector>

#include "core/model/lobby_window.h"
#include "core/net/socks5.h"
#include "core/platform/services.h"

namespace tlj::net {

void ResetRings() {
  RecvRing.Clear();
  SendRing.Clear();
}

void ResetRingsKeepingReceived() {
  std::vector<std::uint8_t> unread(RecvRing.Unread());
  for (std::size_t k = 0; k < unread.size(); ++k) unread[k] = RecvRing.Peek(k);
  ResetRings();
  for (std::uint8_t b : unread) RecvRing.Push(b);
}

template <std::size_t N>
void AppendArrived(ByteRing<N>& ring, std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    if (!ring.Push(b)) {
      model::RestoreLobby();
      platform::EndProcess(0);
    }
  }
}

template void AppendArrived(ByteRing<kRingSize>&, std::span<const std::uint8_t>);
template void AppendArrived(ByteRing<kProxyBufferSize>&, std::span<const std::uint8_t>);

}  // namespace tlj::net
