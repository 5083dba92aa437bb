#pragma once
// The pictures built into the program.

#include "core/platform/resource_store.h"

namespace tlj::resources {

// The store over the pack that the build drew and linked in; made on first use.
platform::ResourceStore& EmbeddedStore();

}  // namespace tlj::resources
