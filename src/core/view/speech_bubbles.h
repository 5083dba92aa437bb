#pragma once
// The speech bubbles: one small shaped window per screen position that fades in beside the
// player with a phrase, stays, fades out and parks off the screen until the next phrase.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::view {

// How often a bubble's fade timer ticks: the fastest a window timer fires on the desktop the
// fade's steps were made for.
inline constexpr int kFadeTickMs = 16;

void CreateBubbleTimers();
void DestroyBubbleTimers();

// The bubble window of screen position p (0..3), by its tag "speak" + p.
std::string BubbleName(int p);

// Makes the bubble window of screen position p if none is open yet: shaped by its picture,
// parked off the screen, top-most and shown.
void MakeBubble(int p);

// Places the bubble `bubble` at the place of screen position `seat`, shows `phrase` in it and
// starts the fade: up to opacity `perc` in steps of `fadeIn`, held while the count runs
// `showTime` further, then down in steps of `fadeOut`. A seat outside 0..3 keeps the place.
void showMe(std::string_view bubble, std::int16_t seat, std::string_view phrase, std::int16_t perc,
            std::int16_t fadeIn, std::int16_t fadeOut, std::int16_t showTime);

// Stops the fade of a bubble window (restoring the table, unloading the bubble).
void StopBubbleFade(std::string_view bubble);

// The window's whole opacity; a value outside 0..255 leaves it as it was.
void SetWindowAlpha(platform::Window& window, int alpha);
void SetTopMost(platform::Window& window, bool on);

}  // namespace tlj::view
