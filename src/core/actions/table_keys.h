#pragma once
// The table's keys: Esc toggles the leave dialog, F1 hides the table, and Alt then C (or C then
// Alt) opens the chat history from the table and closes it from the history's own text.

namespace tlj::actions {

inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyAlt = 18;
inline constexpr int kKeyC = 67;

void Pic1_KeyDown(int key);
void Pic2_KeyDown(int key);
void Chat_KeyDown(int key);
void TalkText1_KeyDown(int key);

}  // namespace tlj::actions
