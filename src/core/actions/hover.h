#pragma once
// The hover highlight of the table's picture buttons: a move over a button loads its hover
// picture once; a move over the table's background gives every highlighted button its normal
// picture again. (ImgNum_MouseMove and Operation_MouseMove are declared in betting.h.)

namespace tlj::actions {

void AnNiu_MouseMove(int k);
// The table surface: every button back to normal; the pop-up windows close.
void Pic1_MouseMove();
// The bottom bar: the table and action buttons back to normal; the pop-up windows close.
void imgDilan_MouseMove();
// The top bar: the pop-up windows close.
void imgDinglan_MouseMove();

// Operation(k) shows its normal picture and is no longer highlighted.
void ShowOperationNormal(int k);
// The picture ids of the ready button AnNiu(2): "start" before the first game, else "continue".
int ReadyButtonNormalId();
int ReadyButtonHoverId();

}  // namespace tlj::actions
