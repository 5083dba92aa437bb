#include "core/net/dispatch.h"

#include <array>

#include "core/game/end_commands.h"
#include "core/game/hand_commands.h"
#include "core/game/login_reply.h"
#include "core/game/player_changes.h"
#include "core/game/table_model.h"
#include "core/game/turn_start.h"
#include "core/net/reconnect.h"

namespace tlj::net {
namespace {

// Types whose handler is null are read off the stream and ignored, as unknown ones are.
constexpr std::array<CommandType, 15> kCommandTypes{{
    {kTypeNewHand, "new hand", &game::HandleNewHand},
    {kTypeTurnStart, "turn start", &game::HandleTurnStart},
    {kTypeBet, "bet", &game::HandleBet},
    {kTypeBetResult, "bet result", &game::HandleBetResult},
    {kTypePotRefill, "pot refill", &game::HandlePotRefill},
    {kTypePotUpdate, "pot update", &game::HandlePotUpdate},
    {kTypeGameOver, "game over", &game::HandleGameOver},
    {kTypeEndOfHand, "end of hand", &game::HandleEndOfHand},
    {kTypeLogin, "login reply", &game::HandleLoginReply},
    {kTypeChat, "chat", nullptr},
    {kTypePlayerArrives, "player arrives", &game::HandlePlayerArrives},
    {kTypePlayerLeft, "player left", &game::HandlePlayerLeft},
    {kTypeRemoved, "removed from table", &game::HandleRemoved},
    {kTypePlayerReady, "player ready", &game::HandlePlayerReady},
    {kTypeReconnectReply, "reconnect reply", &HandleReconnectReply},
}};

}  // namespace

const CommandType* FindCommandType(std::uint8_t type) {
  for (const auto& c : kCommandTypes)
    if (c.type == type) return &c;
  return nullptr;
}

void DispatchCommand(const Frame& frame) {
  if (!game::FrameInRange(frame)) return;
  CaptureToken(frame);
  const CommandType* command = FindCommandType(frame[kTypeAt]);
  if (command != nullptr && command->handler != nullptr) command->handler(frame);
}

}  // namespace tlj::net
