// tlj-anigif FILE OUTDIR [CYCLES]: plays a GIF through the animated GIF control on a virtual
// clock and writes every painted picture as OUTDIR/frameKK_TTTTTTTms.png (frame number, virtual
// time of painting), so the composition can be compared with other decoders. It stops once the
// last frame has been painted CYCLES times (1 unless given), or when the animation ends.

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/view/anigif/control.h"
#include "sim/virtual_clock.h"
#include "tools/anigif/png_file.h"

namespace {

using tlj::view::anigif::Control;

int Fail(const std::string& text) {
  std::fprintf(stderr, "tlj-anigif: %s\n", text.c_str());
  return 1;
}

std::string FileName(int frame, tlj::platform::TimeMs time) {
  char name[64];
  std::snprintf(name, sizeof name, "frame%02d_%07lldms.png", frame, static_cast<long long>(time));
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: tlj-anigif FILE OUTDIR [CYCLES]\n");
    return 2;
  }
  int cycles = 1;
  if (argc == 4) {
    const std::string_view text = argv[3];
    const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), cycles);
    if (failed != std::errc{} || end != text.data() + text.size() || cycles < 1)
      return Fail("CYCLES must be a whole number from 1");
  }
  const std::filesystem::path out_dir = argv[2];
  std::error_code made;
  std::filesystem::create_directories(out_dir, made);
  if (made) return Fail("cannot create " + out_dir.string());

  tlj::sim::VirtualClock clock;
  tlj::platform::EventLoop loop(clock);
  tlj::platform::Element element;
  Control control(loop, element);
  control.SetStretch(4);         // the canvas at its own size
  control.SetDelayAnimation(0);  // the first frame at time 0, the rest at once after it
  int last_frames_painted = 0;
  control.reportOver = [&](int) { ++last_frames_painted; };
  if (!control.LoadAnimatedGIF_File(argv[1])) {
    const auto& error = control.LastError();
    return Fail(std::string(argv[1]) + ": " + error.source + ": " + error.text);
  }

  std::shared_ptr<const tlj::platform::Image> written;
  int count = 0;
  for (;;) {
    if (element.image && element.image != written) {
      written = element.image;
      const auto path = out_dir / FileName(control.CurrentFrame(), loop.Now());
      if (!tlj::anigif_tool::WritePng(path, *written)) return Fail("cannot write " + path.string());
      ++count;
    }
    if (last_frames_painted >= cycles || !loop.RunOnce(tlj::platform::kForever)) break;
  }
  std::printf("%d pictures written to %s\n", count, out_dir.c_str());
  return 0;
}
