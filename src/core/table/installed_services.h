#pragma once
// The platform services a client runs on, installed for as long as one object lives.

#include "core/platform/services.h"

namespace tlj::table {

// Installs `services` as platform::Sys(); on destruction releases what the table window holds
// (its timers, and its controls, which cancel their downloads) and puts back empty services, so
// that nothing reaches the services once their owners are gone. Declare it after the objects
// the services point to.
class InstalledServices {
 public:
  explicit InstalledServices(platform::Services services);
  ~InstalledServices();
  InstalledServices(const InstalledServices&) = delete;
  InstalledServices& operator=(const InstalledServices&) = delete;
};

}  // namespace tlj::table
