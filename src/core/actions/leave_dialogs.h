#pragma once
// The two leave windows: the confirmation frmExit and the notice frmOtherExit.

namespace tlj::actions {

// frmExit's warning lines at load: "running" during a hand the user plays in, else "about to
// start" while the seat-change notice shows, else neither; and its buttons' pictures.
void frmExit_Load();
void frmOtherExit_Load();  // its buttons' pictures

void pbCloseMe_Click();  // frmExit: leave the table
void pbCancel_Click();   // frmExit: stay
void imgOK_Click();      // frmOtherExit: back to the lobby now
void imgCancel_Click();  // frmOtherExit: later, at the next click on the ready button

}  // namespace tlj::actions
