#pragma once
// The pot panel's amounts as the handlers and the keypad read and write them.

namespace tlj::view {

// g_dPot and its caption lblCaiChi.
void ShowPot(double pot);

// Every amount of the pot panel back to "0": pot, bounds, stake, initial and reserved pot,
// round count.
void ZeroPotPanel();

// What a hot-pot buy costs: the pot's growth since the hand started, plus one, both taken
// from the captions of lblCaiChi and lblChuShiGuoDi.
double HotPotAmount();

}  // namespace tlj::view
