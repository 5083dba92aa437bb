// What the game server sends, in pieces and with pauses between them, through the receive
// ring, the pump and the command handlers of a client seated at a full table during the
// user's turn, in virtual time. The server may also close the connection (the client then
// reconnects to it).

#include <cstddef>
#include <cstdint>

#include "core/net/frame.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "fuzz/pieces.h"
#include "fuzz/seated_table.h"
#include "sim/client_harness.h"

namespace {

using namespace tlj;

// After the last piece, the frames still in the ring are handed on one per pump tick; a client
// that keeps waiting meanwhile gets this long.
constexpr platform::TimeMs kDrainLimitMs = 60'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sim::ClientHarness h;
  fuzz::SitDownToAHand(h);
  fuzz::PieceReader pieces({data, size});
  while (const auto piece = pieces.Next()) {
    if (h.Ended()) return 0;
    if (h.ServerConnected()) h.ServerSendBytes({piece->bytes.begin(), piece->bytes.end()});
    if (piece->closes) h.ServerClose();
    h.RunFor(piece->pause_ms);
  }
  for (platform::TimeMs waited = 0;
       !h.Ended() && net::RecvRing.Unread() >= net::kFrameSize && waited < kDrainLimitMs;
       waited += net::kPumpIntervalMs) {
    h.RunFor(net::kPumpIntervalMs);
  }
  return 0;
}
