#include "core/actions/betting.h"

namespace tlj::actions {

void ImgNum_Click(int) {}
void Operation_Click(int) {}
void ImgNum_MouseMove(int) {}
void Operation_MouseMove(int) {}
void CountdownTick() {}
void HookBettingEvents() {}

}  // namespace tlj::actions
