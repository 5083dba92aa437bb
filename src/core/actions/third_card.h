#pragma once
// The user turns the dealt third card face up by clicking it.

namespace tlj::actions {

// Only the third-card images 2, 5, 8 and 11 turn, and only once a third card has been dealt.
void imgDiPai_Click(int i);

}  // namespace tlj::actions
