#pragma once
// Quick phrases and voice phrases: the phrase window huifu with its two lists read from the
// phrase file, the two table buttons that open it, and sending a phrase.

#include <string>
#include <string_view>

#include "core/model/table_state.h"

namespace tlj::chat {

inline constexpr const char* kPhraseFile = "chat.txt";
inline constexpr int kMostPhrases = 1000;  // a larger count in the file reads this many

// The phrase count of a section as the file gives it: read as a number, rounded to the even
// neighbour on a half, 0 when it is missing or not a number, at most kMostPhrases.
int PhraseCount(std::string_view value);

// The voice clip file of a player: "v" + voice set + voice kind + sex + "0" + letter + number
// + ".wav". Empty when a part could lead out of the clip folder.
std::string VoiceClipName(const model::PlayerProfile& player, char letter, int number);

// Stops the sound and plays a player's voice clip once at full volume, sound switched on or
// not.
void PlayVoiceClip(const model::PlayerProfile& player, char letter, int number);

// huifu's Load: the two lists from the phrase file.
void huifu_Form_Load();

// Open the window with the quick phrases (list 1) or the voice phrases (list 2), switch to
// that list, or close the window when that list shows.
void imgword1_Click();
void imgword2_Click();
// The pointer over a phrase button shows its hover picture; over imgLocation both come back.
void imgword_MouseMove(int list);
void imgLocation_MouseMove();

// A double click on a line sends it.
void List1_DblClick();
void List2_DblClick();

}  // namespace tlj::chat
