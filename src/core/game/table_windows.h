#pragma once
// The small windows that the table's handlers open over MainForm, and emptying a picture.

#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::game {

// Puts the window's centre on MainForm's centre; its size stays.
void CentreOverMainForm(std::string_view window);
// The notice window frmOtherExit, centred over the table and shown with the text in Label1.
void ShowOtherExit();
// The element shows no picture any more.
void RemovePicture(platform::Element& element);

}  // namespace tlj::game
