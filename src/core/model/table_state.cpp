#include "core/model/table_state.h"

namespace tlj::model {

void SetTableStartValues() {
  custom = {};
  profile = {};
  g_tInfo = {};
  g_dPot = 0;
  g_dNetWin = {};
  g_dStake = 0;
  g_dMinBet = 0;
  g_dMaxBet = 0;
  g_dInputCoin = 0;
  g_dTotalScore = {};
  g_lCard = {};
  g_iRank = {};
  g_iSuit = {};
  g_iPhase = 0;
  g_iNextCard = 0;
  g_iLastActor = 0;
  g_bCardTurned = false;
  g_bThirdDealt = false;
  g_iCountdown = 0;
  g_iTurnSeconds = 15;
  HandId = 0;
  g_iPlayerCount = 0;
  g_iJoinCount = 0;
  juNum = 0;
  g_bHandPlayed = false;
  g_bGameStarted = false;
  g_bTimeLimit = false;
  g_bSpectator = false;
  g_bHidden = false;
  g_bBtnLocked = {};
  g_bShufflePending = false;
  g_bShuffleShown = false;
  g_bShuffleNext = false;
  g_sShuffleText = {"正在随机换座中..", "正在随机换座中...", "正在随机换座中....",
                    "正在随机换座中....."};
  g_iShuffleStep = 0;
  AdPage.clear();
  AdPanelPage.clear();
  AdLoadFailed = false;
  ScoreTouTag = {};
}

void SetHandStartValues() {
  g_iTurnSeconds = 15;
  g_iLastActor = 0;
}

void SetIdleTableValues() {
  custom = {};
  profile = {};
  g_dTotalScore = {};
  g_iPlayerCount = 0;
  juNum = 0;
}

}  // namespace tlj::model
