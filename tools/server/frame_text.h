#pragma once
// Frames in a readable form for the log, such as "type=18 login account=abc password=***".
// Passwords are always masked.

#include <string>

#include "tools/server/wire.h"

namespace tlj::server {

std::string DescribeReceived(const Frame& frame);
std::string DescribeSent(const Frame& frame);

}  // namespace tlj::server
