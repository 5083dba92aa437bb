#pragma once
// The body of a whole HTTP/1.x response read up to the end of the connection.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tlj::posix {

// False, with the reason in `error`, unless the status is 200 and the body is whole. A body
// longer than its Content-Length is cut to it; chunked bodies are refused (the request is
// HTTP/1.0, so a server has no reason to send one).
bool ReadHttpBody(std::span<const std::uint8_t> response, std::vector<std::uint8_t>& body,
                  std::string& error);

}  // namespace tlj::posix
