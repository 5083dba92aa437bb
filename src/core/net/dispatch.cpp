#include "core/net/dispatch.h"

#include <array>

#include "core/game/login_reply.h"
#include "core/game/table_model.h"
#include "core/net/reconnect.h"

namespace tlj::net {
namespace {

// Types whose handler is still null are read off the stream and ignored, as unknown ones are.
constexpr std::array<CommandType, 15> kCommandTypes{{
    {kTypeNewHand, "new hand", nullptr},
    {kTypeTurnStart, "turn start", nullptr},
    {kTypeBet, "bet", nullptr},
    {kTypeBetResult, "bet result", nullptr},
    {kTypePotRefill, "pot refill", nullptr},
    {kTypePotUpdate, "pot update", nullptr},
    {kTypeGameOver, "game over", nullptr},
    {kTypeEndOfHand, "end of hand", nullptr},
    {kTypeLogin, "login reply", &game::HandleLoginReply},
    {kTypeChat, "chat", nullptr},
    {kTypePlayerArrives, "player arrives", nullptr},
    {kTypePlayerLeft, "player left", nullptr},
    {kTypeRemoved, "removed from table", nullptr},
    {kTypePlayerReady, "player ready", nullptr},
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
