#include "core/table/installed_services.h"

#include <utility>

#include "core/table/startup.h"

namespace tlj::table {

InstalledServices::InstalledServices(platform::Services services) {
  platform::Sys() = std::move(services);
}

InstalledServices::~InstalledServices() {
  ShutDownWindows();
  platform::Sys() = platform::Services{};
}

}  // namespace tlj::table
