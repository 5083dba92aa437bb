#pragma once
// The buttons of the two leave windows: the confirmation frmExit and the notice frmOtherExit.

namespace tlj::actions {

void pbCloseMe_Click();  // frmExit: leave the table
void pbCancel_Click();   // frmExit: stay
void imgOK_Click();      // frmOtherExit: back to the lobby now
void imgCancel_Click();  // frmOtherExit: later, at the next click on the ready button

}  // namespace tlj::actions
