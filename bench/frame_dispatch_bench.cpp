// Receiving and dispatching frames through the receive ring: the bytes of one frame arrive,
// and the pump ticks until the frame has been handed to its handler.

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "core/net/frame.h"
#include "core/net/pump.h"
#include "core/net/rings.h"
#include "core/table/pump_tick.h"
#include "sim/client_harness.h"

namespace {

using tlj::net::Frame;

// Frames whose handlers decide at once to do nothing (a pot update not marked valid, a ready
// command with status 0, types without a handler): what is measured is the way in, from the
// socket's bytes through the ring and the pump to the dispatcher. The handlers' own work is
// measured by whole games (whole_game_bench).
std::vector<Frame> FrameMix() {
  namespace net = tlj::net;
  const std::array<std::pair<std::uint8_t, int>, 4> weights{{{net::kTypePotUpdate, 4},
                                                             {net::kTypePlayerReady, 2},
                                                             {net::kTypeChat, 3},
                                                             {net::kTypeKeepAlive, 6}}};
  std::vector<Frame> mix;
  for (const auto& [type, weight] : weights)
    for (int i = 0; i < weight; ++i) {
      Frame f = tlj::sim::MakeFrame(type, 1, 0);
      f[tlj::net::kTokenAt] = static_cast<std::uint8_t>(i);
      mix.push_back(f);
    }
  return mix;
}

void BM_ReceiveAndDispatch(benchmark::State& state) {
  tlj::sim::ClientHarness h;
  h.StartAtTable();
  const auto mix = FrameMix();
  std::size_t next = 0;
  for (auto _ : state) {
    const Frame& f = mix[next];
    next = (next + 1) % mix.size();
    tlj::net::Winsock1_DataArrival({f.begin(), f.end()});
    while (tlj::net::RecvRing.Unread() != 0) tlj::table::TimerBong_Timer();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReceiveAndDispatch);

}  // namespace
