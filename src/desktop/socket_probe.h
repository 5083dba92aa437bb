#pragma once
// Whether a local service answers on its Unix socket, asked without talking to it.

#include <string>

namespace tlj::desktop {

bool UnixSocketAnswers(const std::string& path);

}  // namespace tlj::desktop
