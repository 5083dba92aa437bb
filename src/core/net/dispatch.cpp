#include "core/net/dispatch.h"

#include <array>

#include "core/game/login_reply.h"
#include "core/game/table_model.h"
#include "core/net/reconnect.h"

namespace tlj::net {
namespace {

// Types whose handler is still null are read off the stream and ignored, as unknown ones are.
constexpr std::array<CommandType, 15> kCommandTypes{{
    {1, "new hand", nullptr},
    {2, "turn start", nullptr},
    {3, "bet", nullptr},
    {4, "bet result", nullptr},
    {5, "pot refill", nullptr},
    {6, "pot update", nullptr},
    {9, "game over", nullptr},
    {16, "end of hand", nullptr},
    {18, "login reply", &game::HandleLoginReply},
    {19, "chat", nullptr},
    {20, "player arrives", nullptr},
    {21, "player left", nullptr},
    {22, "removed from table", nullptr},
    {23, "player ready", nullptr},
    {29, "reconnect reply", &HandleReconnectReply},
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
