// Whole games of four hands, client and reference server in one process in virtual time: how
// many games a second the client's logic and the server's can play when nobody waits.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "tools/rig/table_rig.h"

namespace {

void BM_WholeGame(benchmark::State& state) {
  tlj::server::GameConfig config;
  config.seed = 42;
  config.hands = 4;
  tlj::rig::TableRig rig(config);
  rig.look_every_ms = 500;  // still answers every turn long before its countdown ends
  rig.Start();
  // The first game also seats everybody; the games measured are the ones after it.
  if (!rig.PlayUntilGame(1)) {
    state.SkipWithError("the first game did not end");
    return;
  }
  int game = 1;
  const auto record_file = rig.client.app_dir.path() / "info.xh";
  for (auto _ : state) {
    // A stay at a table is some tens of games: keep the record file that size, not hundreds.
    state.PauseTiming();
    std::filesystem::remove(record_file);
    state.ResumeTiming();
    if (!rig.PlayUntilGame(++game)) {
      state.SkipWithError("a game did not end");
      return;
    }
  }
  state.counters["games_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
