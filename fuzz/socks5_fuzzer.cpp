// What a SOCKS5 proxy answers, in pieces and with pauses: the client's handshake (greeting,
// user and password, CONNECT) and then, through the tunnel, the game server's frames. The
// proxy may close its connection after any piece.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/pieces.h"
#include "fuzz/seated_table.h"
#include "sim/client_harness.h"

namespace {

using namespace tlj;

constexpr const char* kProxyHost = "10.1.1.1";
constexpr int kProxyPort = 1080;
// The start of the handshake: the greeting is out when start-up returns.
constexpr platform::TimeMs kStartMs = 100;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sim::ClientHarness h;
  std::shared_ptr<sim::SimEnd> proxy;
  h.network.Listen(kProxyHost, kProxyPort,
                   [&proxy](std::shared_ptr<sim::SimEnd> end) { proxy = std::move(end); });
  h.Start(std::string("abc$xyz$10.0.0.7$5000$room$5$") + kProxyHost + "$" +
          std::to_string(kProxyPort) + "$user$pw$0$$$");
  h.RunFor(kStartMs);
  fuzz::HoldPicturesShown(h.tree);
  fuzz::PieceReader pieces({data, size});
  while (const auto piece = pieces.Next()) {
    if (h.Ended() || !proxy) return 0;
    proxy->Send(piece->bytes);
    if (piece->closes) proxy->Close();
    h.RunFor(piece->pause_ms);
  }
  return 0;
}
