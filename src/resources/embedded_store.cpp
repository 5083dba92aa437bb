#include "resources/embedded_store.h"

#include <cstdint>
#include <span>

#include "resources/pack_store.h"

// The pack drawn by tlj-artgen during the build, taken into the object file whole by the
// assembler; the build names its path in TLJ_RESOURCE_PACK.
__asm__(
    ".section .rodata.tlj_resource_pack,\"a\",@progbits\n"
    ".balign 16\n"
    ".globl tlj_resource_pack_begin\n"
    ".hidden tlj_resource_pack_begin\n"
    "tlj_resource_pack_begin:\n"
    ".incbin \"" TLJ_RESOURCE_PACK
    "\"\n"
    ".globl tlj_resource_pack_end\n"
    ".hidden tlj_resource_pack_end\n"
    "tlj_resource_pack_end:\n"
    ".previous\n");

extern "C" const std::uint8_t tlj_resource_pack_begin[];
extern "C" const std::uint8_t tlj_resource_pack_end[];

namespace tlj::resources {

platform::ResourceStore& EmbeddedStore() {
  static PackStore store(
      std::span<const std::uint8_t>(tlj_resource_pack_begin, tlj_resource_pack_end));
  return store;
}

}  // namespace tlj::resources
