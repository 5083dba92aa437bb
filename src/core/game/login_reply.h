#pragma once

#include <string>

#include "core/net/frame.h"

namespace tlj::game {

inline constexpr const char* kPlatformWebSite = "www.xinghu.example";

// The server's answer to the login request (type 18).
void HandleLoginReply(const net::Frame& message);

}  // namespace tlj::game
