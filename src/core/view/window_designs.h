#pragma once
// The design of every window of the client: its size, caption, flags and elements with their
// kinds, containers, positions and design properties. Each window is built from its design at
// start-up, not loaded; a load shows the design, an unload goes back to it.

#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::view {

// Empties the tree and adds every window from its design (before anything else touches it).
void DesignWindows(platform::ElementTree& ui);

// The screen positions that have a speech bubble window each, named by their tags.
inline constexpr std::string_view kBubbleWindows[] = {"speak0", "speak1", "speak2", "speak3"};
inline constexpr std::string_view kBubbleCaption = "speakbox";

namespace design {

// One window's design function for each group of windows.
void MainForm(platform::ElementTree& ui, platform::Window& w);
void AddSmallWindows(platform::ElementTree& ui);
void AddLeaveWindows(platform::ElementTree& ui);
void AddChatWindows(platform::ElementTree& ui);
void AddSettingsWindow(platform::ElementTree& ui);

// Short forms for the designs.
void Form(platform::Window& w, std::string_view caption, double width, double height);
platform::Element& Put(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                       std::optional<int> index, platform::ElementKind kind, double left,
                       double top, double width, double height, bool visible = true);
platform::Element& Caption(platform::ElementTree& ui, platform::Window& w, std::string_view name,
                           std::optional<int> index, std::string_view caption, double left,
                           double top, double width, double height);

}  // namespace design
}  // namespace tlj::view
