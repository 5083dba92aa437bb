#include "core/model/turn_state.h"

namespace tlj::model {

void SetTurnStartValues() {
  g_bGameActive = false;
  g_iDefaultCountdown = 15;
  g_iTimeoutCount = 0;
  g_iTimeoutLimit = 0;
  g_bAway = false;
  g_bMyTurn = false;
  g_bTurnArmed = false;
  g_bHotPot = false;
  g_bFirstStart = true;
  g_bHiddenTurns = false;
  g_bReturnToLobby = false;
  g_bNumHover = {};
  g_bOpHover = {};
  g_bBtnHover = {};
  TitleButtonsNormal = true;
  TableKeys = {};
  HistoryKeys = {};
}

void SetIdleTurnValues() {
  g_iTimeoutCount = 0;
  g_bAway = false;
  g_bBtnHover = {};
  g_bFirstStart = true;
}

}  // namespace tlj::model
