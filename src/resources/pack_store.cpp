#include "resources/pack_store.h"

#include <algorithm>

namespace tlj::resources {

PackStore::PackStore(std::span<const std::uint8_t> pack) : entries_(ReadPack(pack)) {}

std::optional<std::span<const std::uint8_t>> PackStore::Get(std::string_view type, int id) const {
  if (type == "DESIGN") {
    if (id <= 0) return std::nullopt;
    id += kDesignEntryBase;
  } else if (type != "GIF" || id >= kDesignEntryBase) {
    return std::nullopt;
  }
  const auto it = std::lower_bound(entries_.begin(), entries_.end(), id,
                                   [](const PackEntry& e, int wanted) { return e.id < wanted; });
  if (it == entries_.end() || it->id != id) return std::nullopt;
  return it->bytes;
}

std::vector<int> PackStore::Ids() const {
  std::vector<int> ids;
  for (const PackEntry& e : entries_) ids.push_back(e.id);
  return ids;
}

}  // namespace tlj::resources
