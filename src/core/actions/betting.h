#pragma once
// The betting keypad and the bet and give-up buttons; their hover highlight is in hover.h.

namespace tlj::actions {

void ImgNum_Click(int index);
void Operation_Click(int index);
void ImgNum_MouseMove(int index);
void Operation_MouseMove(int index);

}  // namespace tlj::actions
