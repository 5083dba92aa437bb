#pragma once
// Input from the window system reaches the client as events of the platform loop, never inside
// Qt's own handlers: the loop handles them in order once Qt's current round of events is over.

#include <functional>

#include "core/platform/event_loop.h"

namespace tlj::desktop {

// Posts `input` to `loop` and ends a wait of Qt's for more events, so that the loop takes the
// input at once even when Qt would otherwise go on waiting.
void PostInput(platform::EventLoop& loop, std::function<void()> input);

}  // namespace tlj::desktop
