#pragma once
// A resource store over a pack in memory: the picture resources (type "GIF") and the window
// designs' pictures (type "DESIGN").

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/platform/resource_store.h"
#include "resources/pack.h"

namespace tlj::resources {

class PackStore : public platform::ResourceStore {
 public:
  // The pack must outlive the store. Throws std::runtime_error when it is malformed.
  explicit PackStore(std::span<const std::uint8_t> pack);

  std::optional<std::span<const std::uint8_t>> Get(std::string_view type, int id) const override;
  // Every id, ascending.
  std::vector<int> Ids() const;

 private:
  std::vector<PackEntry> entries_;
};

}  // namespace tlj::resources
