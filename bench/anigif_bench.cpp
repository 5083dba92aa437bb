// The animated pot: decoding a GIF shaped like resource 876 (a 192 x 192 canvas; frames of
// 192 x 192, 57 x 20 at 66, 112 and 192 x 192; delays 50, 20 and 100 hundredths; disposals 1,
// 1 and 2; transparent index 128) and composing its frames. Target: under 50 us per composed
// frame (the "per_frame" counter).

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/view/anigif/control.h"
#include "sim/virtual_clock.h"

namespace {

using tlj::view::anigif::Control;

constexpr int kFramesPerRun = 1000;

int Append(GifFileType* gif, const GifByteType* bytes, int n) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), bytes, bytes + n);
  return n;
}

void Check(int result) {
  if (result != GIF_OK) throw std::runtime_error("giflib could not write the pot");
}

// Pixels vary along both axes, with a clear patch in every frame, so that LZW has work to do
// and the mask matters.
std::vector<std::uint8_t> PotGif() {
  struct Shape {
    int left, top, width, height, delay, disposal;
  };
  const Shape shapes[] = {
      {0, 0, 192, 192, 50, 1}, {66, 112, 57, 20, 20, 1}, {0, 0, 192, 192, 100, 2}};
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, Append, &error);
  EGifSetGifVersion(gif, true);
  std::vector<GifColorType> colours;
  for (int i = 0; i < 256; ++i)
    colours.push_back({static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                       static_cast<GifByteType>(i * 37)});
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  Check(EGifPutScreenDesc(gif, 192, 192, 8, 0, map));
  GifFreeMapObject(map);
  for (const Shape& s : shapes) {
    GraphicsControlBlock control{s.disposal, false, s.delay, 128};
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block));
    Check(EGifPutImageDesc(gif, s.left, s.top, s.width, s.height, false, nullptr));
    std::vector<GifPixelType> line(static_cast<std::size_t>(s.width));
    for (int y = 0; y < s.height; ++y) {
      for (int x = 0; x < s.width; ++x)
        line[static_cast<std::size_t>(x)] =
            (x / 8 + y / 8) % 7 == 0 ? 128
                                     : static_cast<GifPixelType>((x * 3 + y * 5 + s.delay) % 250);
      Check(EGifPutLine(gif, line.data(), s.width));
    }
  }
  Check(EGifCloseFile(gif, &error));
  return out;
}

struct Table {
  Table(double side) {
    element.width = side;
    element.height = side;
    control.SetDelayAnimation(0);
  }
  tlj::sim::VirtualClock clock;
  tlj::platform::EventLoop loop{clock};
  tlj::platform::Element element;
  Control control{loop, element};
};

void SetPerFrame(benchmark::State& state) {
  state.counters["per_frame"] = benchmark::Counter(
      kFramesPerRun, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Composing only: the pot is decoded once, then stepped through 1000 frames.
void BM_ComposePotFrames(benchmark::State& state) {
  const auto gif = PotGif();
  Table table(static_cast<double>(state.range(0)));
  if (!table.control.LoadAnimatedGIF_Array(gif)) state.SkipWithError("the pot did not load");
  for (auto _ : state) {
    for (int i = 0; i < kFramesPerRun; ++i) table.control.SetAction(tlj::view::anigif::kActionStep);
    benchmark::DoNotOptimize(table.element.image);
  }
  SetPerFrame(state);
}
// 192: the full layout (no scaling); 150: the reduced layout (scaled every frame).
BENCHMARK(BM_ComposePotFrames)->Arg(192)->Arg(150)->Unit(benchmark::kMicrosecond);

// Decoding and playing: each run loads the pot and lets its timer paint 1000 frames.
void BM_DecodeAndPlayPot(benchmark::State& state) {
  const auto gif = PotGif();
  for (auto _ : state) {
    Table table(192);
    if (!table.control.LoadAnimatedGIF_Array(gif)) state.SkipWithError("the pot did not load");
    int painted = 0;
    table.control.reportOver = [&](int) { painted += 3; };
    while (painted < kFramesPerRun && table.loop.RunOnce(tlj::platform::kForever)) {
    }
    benchmark::DoNotOptimize(table.element.image);
  }
  SetPerFrame(state);
}
BENCHMARK(BM_DecodeAndPlayPot)->Unit(benchmark::kMillisecond);

}  // namespace
