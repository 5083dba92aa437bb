#pragma once
// The pack: every picture's bytes in one file, behind an index of (id, offset, size).
//
//   "TLJPACK1", u32 count, count × (i32 id, u32 offset, u32 size), the bytes
//
// Numbers are little-endian, ids ascend, offsets count from the start of the pack. The numbered
// picture resources (type "GIF") keep their own ids; the window designs' pictures (type
// "DESIGN") are filed at kDesignEntryBase + their number.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace tlj::resources {

inline constexpr int kDesignEntryBase = 10000;

struct PackEntry {
  int id;
  std::span<const std::uint8_t> bytes;
};

// Entries in any order; ids must be distinct.
std::vector<std::uint8_t> BuildPack(std::vector<std::pair<int, std::vector<std::uint8_t>>> entries);

// The entries by ascending id, viewing into the pack. Throws std::runtime_error when the pack
// is malformed.
std::vector<PackEntry> ReadPack(std::span<const std::uint8_t> pack);

}  // namespace tlj::resources
