#pragma once
// Received chat lines: the names of the people involved, the filter, the history window, the
// two-line strip on the table, the phrase bubble and voice clip, and the blink of the history
// button.

#include <cstddef>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::chat {

inline constexpr int kHistoryWidth = 44;  // columns of a history line
inline constexpr int kStripLength = 45;   // characters of a strip line
// The most lines the history keeps while nobody types (typing clears it past 100 lines): a
// flood of lines drops the oldest.
inline constexpr std::size_t kHistoryCap = 1000;

// The handler of every received chat frame.
void ShowChatLine(const net::Frame& frame);

// The newest line of the two-line strip Sysmsg(0)/Sysmsg(1).
void ShowStripLine(std::string_view text);

// The pump's channel 3: the history button blinks while lines from others come in.
void ChatBlinkStep();

// Shows or hides the history window Talk.
void ToggleHistory();

}  // namespace tlj::chat
