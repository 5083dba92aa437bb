#include "desktop/key_codes.h"

#include <map>

namespace tlj::desktop {
namespace {

constexpr int kFirstFunctionKey = 112;  // F1
constexpr int kFirstKeypadDigit = 96;

// The keys that are neither letters, digits nor function keys. A punctuation key has one code
// whatever Shift does to its character.
const std::map<int, int>& OtherKeys() {
  static const std::map<int, int> keys = {
      {Qt::Key_Backspace, 8},
      {Qt::Key_Tab, 9},
      {Qt::Key_Backtab, 9},
      {Qt::Key_Return, 13},
      {Qt::Key_Enter, 13},
      {Qt::Key_Shift, 16},
      {Qt::Key_Control, 17},
      {Qt::Key_Alt, 18},
      {Qt::Key_AltGr, 18},
      {Qt::Key_Pause, 19},
      {Qt::Key_CapsLock, 20},
      {Qt::Key_Escape, 27},
      {Qt::Key_Space, 32},
      {Qt::Key_PageUp, 33},
      {Qt::Key_PageDown, 34},
      {Qt::Key_End, 35},
      {Qt::Key_Home, 36},
      {Qt::Key_Left, 37},
      {Qt::Key_Up, 38},
      {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},
      {Qt::Key_Print, 44},
      {Qt::Key_Insert, 45},
      {Qt::Key_Delete, 46},
      {Qt::Key_Meta, 91},
      {Qt::Key_Menu, 93},
      {Qt::Key_NumLock, 144},
      {Qt::Key_ScrollLock, 145},
      {Qt::Key_Semicolon, 186},
      {Qt::Key_Colon, 186},
      {Qt::Key_Equal, 187},
      {Qt::Key_Plus, 187},
      {Qt::Key_Comma, 188},
      {Qt::Key_Less, 188},
      {Qt::Key_Minus, 189},
      {Qt::Key_Underscore, 189},
      {Qt::Key_Period, 190},
      {Qt::Key_Greater, 190},
      {Qt::Key_Slash, 191},
      {Qt::Key_Question, 191},
      {Qt::Key_QuoteLeft, 192},
      {Qt::Key_AsciiTilde, 192},
      {Qt::Key_BracketLeft, 219},
      {Qt::Key_BraceLeft, 219},
      {Qt::Key_Backslash, 220},
      {Qt::Key_Bar, 220},
      {Qt::Key_BracketRight, 221},
      {Qt::Key_BraceRight, 221},
      {Qt::Key_Apostrophe, 222},
      {Qt::Key_QuoteDbl, 222},
      // The digit keys with Shift.
      {Qt::Key_ParenRight, 48},
      {Qt::Key_Exclam, 49},
      {Qt::Key_At, 50},
      {Qt::Key_NumberSign, 51},
      {Qt::Key_Dollar, 52},
      {Qt::Key_Percent, 53},
      {Qt::Key_AsciiCircum, 54},
      {Qt::Key_Ampersand, 55},
      {Qt::Key_Asterisk, 56},
      {Qt::Key_ParenLeft, 57},
  };
  return keys;
}

// The keypad's own keys.
const std::map<int, int>& KeypadKeys() {
  static const std::map<int, int> keys = {
      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
      {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
  };
  return keys;
}

}  // namespace

int KeyCode(int qt_key, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;  // the same codes
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
    return keypad ? kFirstKeypadDigit + (qt_key - Qt::Key_0) : qt_key;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    return kFirstFunctionKey + (qt_key - Qt::Key_F1);
  if (keypad) {
    if (const auto it = KeypadKeys().find(qt_key); it != KeypadKeys().end()) return it->second;
  }
  const auto it = OtherKeys().find(qt_key);
  return it != OtherKeys().end() ? it->second : 0;
}

std::vector<int> TypedCharacters(const QKeyEvent& event) {
  if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
    return {};
  std::vector<int> typed;
  for (const auto c : event.text().toUcs4()) {
    const int code = static_cast<int>(c);
    if (code == 8 || code == 13 || code == 27 || (code >= 32 && code != 127)) typed.push_back(code);
  }
  return typed;
}

}  // namespace tlj::desktop
