#include "core/chat/chat_state.h"

namespace tlj::chat {

void SetChatStartValues() {
  g_sWhisperPrefix.clear();
  g_iWhisperSeat = 0;
  TypedBeforeTarget.clear();
  g_bChatReady = true;
  g_iChatBlink = 0;
  BackspacePending = false;
  RememberedText.clear();
  g_bWordHover = {};
}

}  // namespace tlj::chat
