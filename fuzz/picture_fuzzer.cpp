// A picture's bytes through the still-picture decoder (GIF or JPEG) and through the animated
// GIF control, which plays it in virtual time with settings taken from the input's first bytes:
//
//   input := STRETCH MIRRORED DELAY_ANIMATION LOOPS WIDTH HEIGHT PICTURE
//
// LOOPS is a signed byte; WIDTH and HEIGHT give the element's size, 2 pixels per step.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/view/anigif/control.h"
#include "core/view/picture_decoder.h"
#include "sim/virtual_clock.h"

namespace {

using namespace tlj;

constexpr std::size_t kSettingsSize = 6;
constexpr platform::TimeMs kPlayMs = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingsSize) return 0;
  const std::span<const std::uint8_t> settings(data, kSettingsSize);
  const std::span<const std::uint8_t> picture(data + kSettingsSize, size - kSettingsSize);

  view::DecodePicture(picture);

  sim::VirtualClock clock;
  platform::EventLoop loop{clock};
  platform::Element element;
  element.width = 2 * settings[4];
  element.height = 2 * settings[5];
  view::anigif::Control control{loop, element};
  control.SetStretch(settings[0]);
  control.SetMirrored(settings[1]);
  control.SetDelayAnimation(settings[2]);
  control.SetLoops(static_cast<std::int8_t>(settings[3]));
  if (!control.LoadAnimatedGIF_Array(picture)) return 0;
  loop.ProcessEventsUntil(kPlayMs);
  control.SetAction(view::anigif::kActionPause);
  control.SetAction(view::anigif::kActionStep);
  control.SetAction(view::anigif::kActionStep);
  control.SetMirrored(settings[1] ^ 3);
  control.Refresh();
  view::DecodePicture(control.AnimatedGIF());
  control.SetAction(view::anigif::kActionRestart);
  loop.ProcessEventsUntil(2 * kPlayMs);
  return 0;
}
