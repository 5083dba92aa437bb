#pragma once
// The table's mouse pop-ups and its background press: resting on an avatar shows the player's
// information, resting on the details icon shows the details, a press on the table surface
// puts the small windows away.

namespace tlj::actions {

void Tou_MouseMove(int pos);
void imgMingxi_MouseMove();
void Pic1_MouseDown();

}  // namespace tlj::actions
