#pragma once
// The betting keypad, the bet and give-up buttons, the turn countdown and the hover highlight.

namespace tlj::actions {

void ImgNum_Click(int index);
void Operation_Click(int index);
void ImgNum_MouseMove(int index);
void Operation_MouseMove(int index);
// Called by the pump on every tick.
void CountdownTick();
// Registers the keypad's and the action buttons' element events.
void HookBettingEvents();

}  // namespace tlj::actions
