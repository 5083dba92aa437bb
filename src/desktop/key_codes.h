#pragma once
// Keys as the client's logic knows them: key codes in the manner of the game's platform (27 Esc,
// 112 F1, 18 Alt, 13 Enter, 8 Backspace, letters as upper-case ASCII) and typed characters.

#include <vector>

#include <QKeyEvent>

namespace tlj::desktop {

// The key code of a Qt key, 0 for a key the logic has no code for.
int KeyCode(int qt_key, Qt::KeyboardModifiers modifiers);

// The characters a key press types, as the logic's key presses take them: printable characters,
// Enter 13, Backspace 8 and Esc 27. A key pressed with Ctrl, Alt or Meta types nothing (it is a
// shortcut), nor do Tab, Delete and the keys that move.
std::vector<int> TypedCharacters(const QKeyEvent& event);

}  // namespace tlj::desktop
