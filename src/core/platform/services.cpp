#include "core/platform/services.h"

#include <ctime>

namespace tlj::platform {

Services& Sys() {
  static Services services;
  return services;
}

TimeOfDay LocalTimeOfDay() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

void EndProcess(int code) {
  throw ProcessExit{code};
}

}  // namespace tlj::platform
