#include "core/game/score_sheet.h"

namespace tlj::game {

void ShowScoreSheet(const net::Frame&) {}
void ShowStoredSheet(int) {}
void HookScoreSheetEvents() {}

}  // namespace tlj::game
