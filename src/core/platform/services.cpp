#include "core/platform/services.h"

namespace tlj::platform {

Services& Sys() {
  static Services services;
  return services;
}

void EndProcess(int code) {
  throw ProcessExit{code};
}

}  // namespace tlj::platform
