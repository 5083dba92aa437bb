#pragma once
// The pot panel's values as the handlers and the keypad read and write them.

#include <string_view>

namespace tlj::game {

// The number a caption starts with, as the labels show amounts; 0 for a caption that starts
// with none, and infinity for one too large for a double.
double CaptionValue(std::string_view caption);

// g_dPot and its caption lblCaiChi.
void ShowPot(double pot);

// Every amount of the pot panel back to "0": pot, bounds, stake, initial and reserved pot,
// round count.
void ZeroPotPanel();

// What a hot-pot buy costs: the pot's growth since the hand started, plus one, both taken
// from the captions of lblCaiChi and lblChuShiGuoDi.
double HotPotAmount();

}  // namespace tlj::game
