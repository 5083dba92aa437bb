#pragma once
// How the canvas is fitted to the control: the drawn size for each Stretch mode, and the
// picture at that size.

#include <cstdint>
#include <vector>

#include "core/platform/image.h"
#include "core/view/anigif/canvas.h"

namespace tlj::view::anigif {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Stretch modes: 0 the canvas clipped to the client, 1 scaled uniformly to fit, 2 scaled to
// fill, 3 scaled uniformly but only ever shrunk, 4 the whole canvas unscaled. A client without
// area draws modes 1 and 3 at the canvas's own size. No side exceeds kMaxCanvasSide.
Size DrawnSize(int stretch, Size canvas, Size client);

// The canvas pixels that make up one drawn pixel along an axis, with their shares.
struct Taps {
  int first = 0;
  int count = 0;
  int weights_at = 0;  // into ScaleWork's weights
};

// What resampling works with, kept from frame to frame while the sizes stay the same.
struct ScaleWork {
  Size from;
  Size to;
  std::vector<Taps> across;
  std::vector<Taps> down;
  std::vector<float> weights;
  std::vector<float> columns;  // the canvas scaled along its height only
};

// The canvas at the drawn size: clipped in mode 0, copied when the sizes agree, otherwise
// resampled by averaging the covered canvas area.
void RenderCanvas(const Canvas& canvas, int stretch, Size drawn, ScaleWork& work,
                  platform::Image& out);

}  // namespace tlj::view::anigif
