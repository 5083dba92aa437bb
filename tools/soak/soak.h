#pragma once
// The soak: the game server with several tables and many headless clients on loopback for a
// bounded time. The clients leave and come back through the lobby, lose their links at their
// turns and reconnect, and leave in the middle of hands. At the end the run must show no client
// that ended or stopped going, memory that stayed flat, no frame the server found invalid, and
// the server's coins accounted for.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace tlj::soak {

struct SoakSettings {
  std::string client_program;
  std::string server_program;
  int tables = 2;
  int clients = 4;
  int seconds = 60;
  std::uint32_t seed = 1;
  // A client's memory may grow this much after its first game (allocator slack, caches that
  // fill once); more is a leak.
  std::int64_t allowed_growth = 4 << 20;
};

// Runs the soak and writes its report to `report`; returns 0 when every check held, else 1
// with the failure in the report.
int RunSoak(const SoakSettings& settings, std::ostream& report);

}  // namespace tlj::soak
