#pragma once
// The ready button AnNiu(2) shows "start" before the first game and "continue" after it:
// ButtonImageIds entries 4 and 6, each followed by its hover picture.

#include <cstddef>

namespace tlj::view {

inline constexpr std::size_t kStartEntry = 4;
inline constexpr std::size_t kContinueEntry = 6;

void ShowStartOnReadyButton();
void ShowContinueOnReadyButton();

}  // namespace tlj::view
