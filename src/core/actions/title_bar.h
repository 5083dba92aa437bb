#pragma once
// The table window's own title bar: dragging the window by LbMove, and the close and minimise
// buttons ImgClose(0) and imgMin(0), whose normal, hover and pressed pictures are held by the
// hidden members 1, 2 and 3 of the same arrays.

namespace tlj::actions {

// `button` 1 is the left button.
void LbMove_MouseDown(int button);
// A move over LbMove or the window itself: both buttons back to normal.
void LbMove_MouseMove();

// `name` is "ImgClose" or "imgMin"; the events of member 0.
void TitleButton_MouseDown(const char* name);
void TitleButton_MouseUp(const char* name);
void TitleButton_MouseMove(const char* name);
void ImgClose_Click();
void imgMin_Click();

}  // namespace tlj::actions
