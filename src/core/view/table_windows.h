#pragma once
// The small windows that the table's handlers open over MainForm, and emptying a picture.

#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::view {

// Puts the window's centre on MainForm's centre; its size stays.
void CentreOverMainForm(std::string_view window);
// The notice window frmOtherExit, centred over the table and shown top-most with the text in
// Label1.
void ShowOtherExit();
// The element shows no picture any more.
void RemovePicture(platform::Element& element);
// `to` shows the picture `from` shows (or holds, hidden).
void CopyPicture(const platform::Element& from, platform::Element& to);
// Avatar picture `index` (0..19) in the element; any other index leaves it as it is.
void ShowAvatar(platform::Element& element, int index);
// Position pos's avatar and name in the ranking window Hero and the score window Score.
void EmptyInWindows(int pos);

}  // namespace tlj::view
