#pragma once
// The pictures embedded in the program, addressed by (type, id).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tlj::platform {

class ResourceStore {
 public:
  virtual ~ResourceStore() = default;
  // The exact bytes of the entry, or nothing when it is absent.
  virtual std::optional<std::span<const std::uint8_t>> Get(std::string_view type, int id) const = 0;
};

}  // namespace tlj::platform
