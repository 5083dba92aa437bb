// Receiving and dispatching frames through the receive ring: the bytes of one frame arrive,
// and the pump ticks until the frame has been handed to its handler.

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "core/net/pump.h"
#include "core/net/rings.h"
#include "sim/client_harness.h"

namespace {

using tlj::net::Frame;

// What a table sends during a game: mostly turns, bets and results, some chat, pot updates,
// keep-alive traffic and the odd player change.
std::vector<Frame> FrameMix() {
  const std::array<std::pair<std::uint8_t, int>, 9> weights{
      {{2, 8}, {3, 8}, {4, 8}, {6, 4}, {19, 3}, {5, 1}, {23, 1}, {24, 6}, {18, 1}}};
  std::vector<Frame> mix;
  for (const auto& [type, weight] : weights)
    for (int i = 0; i < weight; ++i) {
      Frame f = tlj::sim::MakeFrame(type, 1, 1);
      f[tlj::net::kTokenAt] = static_cast<std::uint8_t>(i);
      mix.push_back(f);
    }
  return mix;
}

void BM_ReceiveAndDispatch(benchmark::State& state) {
  tlj::sim::ClientHarness h;
  h.Listen();
  h.Start(tlj::sim::DirectCommandLine());
  h.RunFor(200);
  h.AcceptLogin();
  h.RunFor(200);
  const auto mix = FrameMix();
  std::size_t next = 0;
  for (auto _ : state) {
    const Frame& f = mix[next];
    next = (next + 1) % mix.size();
    tlj::net::Winsock1_DataArrival({f.begin(), f.end()});
    while (tlj::net::RecvRing.Unread() != 0) tlj::net::TimerBong_Timer();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReceiveAndDispatch);

}  // namespace
