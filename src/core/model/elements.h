#pragma once
// Short access to the element tree for the logic: the table window's elements by name, the
// small windows, stacking, the message strip and the countdown clock.

#include <optional>
#include <string_view>

#include "core/platform/services.h"

namespace tlj::model {

inline constexpr std::string_view kMainForm = "MainForm";
// The program's own title: the table window's default caption and the default message box title.
inline constexpr const char* kProgramTitle = "铜炉局";

// An element of the table window MainForm.
inline platform::Element& El(std::string_view name, std::optional<int> index = {}) {
  return platform::Sys().ui->El(kMainForm, name, index);
}
// An element of another window.
inline platform::Element& ElOf(std::string_view window, std::string_view name,
                               std::optional<int> index = {}) {
  return platform::Sys().ui->El(window, name, index);
}
inline platform::Window& Win(std::string_view window = kMainForm) {
  return platform::Sys().ui->Win(window);
}
// Unloads a window: it hides and is put back to its design, so that it next loads afresh.
inline void Unload(std::string_view window) {
  platform::Sys().ui->UnloadWindow(window);
}
inline void BringToFront(platform::Element& e, std::string_view window = kMainForm) {
  platform::Sys().ui->BringToFront(window, e);
}
// Puts an element of the table surface behind all the others; the surface Pic1 itself stays
// behind everything.
void SendToBack(platform::Element& e);

// Caption colours, 0xBBGGRR.
inline constexpr int kBlack = 0x000000;
inline constexpr int kRed = 0x0000FF;
inline constexpr int kGreen = 0x00FF00;

// Hides the countdown: the clock Time_Img and its seconds Number.
void HideClock();

// The two-line message strip Sysmsg(0..1).
void ClearSysmsg(int line);
void AddSysmsg(int line, std::string_view text);

}  // namespace tlj::model
