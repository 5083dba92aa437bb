#include "core/table/dispatch.h"

#include <array>

#include "core/chat/receive.h"
#include "core/game/end_commands.h"
#include "core/game/hand_commands.h"
#include "core/game/login_reply.h"
#include "core/game/player_changes.h"
#include "core/game/table_model.h"
#include "core/game/turn_start.h"
#include "core/table/reconnection.h"

namespace tlj::table {
namespace {

// Types whose handler is null are read off the stream and ignored, as unknown ones are.
constexpr std::array<CommandType, 15> kCommandTypes{{
    {net::kTypeNewHand, "new hand", &game::HandleNewHand},
    {net::kTypeTurnStart, "turn start", &game::HandleTurnStart},
    {net::kTypeBet, "bet", &game::HandleBet},
    {net::kTypeBetResult, "bet result", &game::HandleBetResult},
    {net::kTypePotRefill, "pot refill", &game::HandlePotRefill},
    {net::kTypePotUpdate, "pot update", &game::HandlePotUpdate},
    {net::kTypeGameOver, "game over", &game::HandleGameOver},
    {net::kTypeEndOfHand, "end of hand", &game::HandleEndOfHand},
    {net::kTypeLogin, "login reply", &game::HandleLoginReply},
    {net::kTypeChat, "chat", &chat::ShowChatLine},
    {net::kTypePlayerArrives, "player arrives", &game::HandlePlayerArrives},
    {net::kTypePlayerLeft, "player left", &game::HandlePlayerLeft},
    {net::kTypeRemoved, "removed from table", &game::HandleRemoved},
    {net::kTypePlayerReady, "player ready", &game::HandlePlayerReady},
    {net::kTypeReconnectReply, "reconnect reply", &HandleReconnectReply},
}};

}  // namespace

const CommandType* FindCommandType(std::uint8_t type) {
  for (const auto& c : kCommandTypes)
    if (c.type == type) return &c;
  return nullptr;
}

void DispatchCommand(const net::Frame& frame) {
  if (!game::FrameInRange(frame)) return;
  net::CaptureToken(frame);
  const CommandType* command = FindCommandType(frame[net::kTypeAt]);
  if (command != nullptr && command->handler != nullptr) command->handler(frame);
}

}  // namespace tlj::table
