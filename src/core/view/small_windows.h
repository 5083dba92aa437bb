#pragma once
// The small information windows: the score sheet Score, the ranking window Hero, the player
// information pop-up Information, the details window frmMingXi and the play-hint window ChuPai.
// Their contents are written by the score sheet and the player commands; this is how the
// windows themselves behave.

namespace tlj::view {

// Load events.
void Score_Load();  // centred over the table
void Hero_Load();   // centred, restored, each result list scrolled to its last line
void Information_Load();
void ChuPai_Load();  // shown, top-most, centred

// Hero's four result lists follow the game-number list, and each other: the clicked or
// scrolled list's selection and top line go to the others, Num first, then Grade(0..3).
void Num_Click();
void Grade_Click(int k);

// The player information pop-up for screen position pos, filled and placed beside the seat.
void ShowPlayerInfo(int pos);
// The details window: each player's net result of the running game, while a hand is on.
void ShowDetails();

}  // namespace tlj::view
