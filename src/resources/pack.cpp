#include "resources/pack.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <string>

namespace tlj::resources {
namespace {

constexpr std::array<std::uint8_t, 8> kMagic = {'T', 'L', 'J', 'P', 'A', 'C', 'K', '1'};
constexpr std::size_t kEntrySize = 12;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t GetU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  return v;
}

[[noreturn]] void Malformed(const std::string& why) {
  throw std::runtime_error("resource pack is malformed: " + why);
}

}  // namespace

std::vector<std::uint8_t> BuildPack(
    std::vector<std::pair<int, std::vector<std::uint8_t>>> entries) {
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < entries.size(); ++i)
    if (entries[i].first == entries[i - 1].first)
      throw std::invalid_argument("resource pack: id " + std::to_string(entries[i].first) +
                                  " given twice");
  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  PutU32(out, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = kMagic.size() + 4 + kEntrySize * entries.size();
  for (const auto& [id, bytes] : entries) {
    if (offset + bytes.size() > std::numeric_limits<std::uint32_t>::max())
      throw std::invalid_argument("resource pack: larger than 4 GiB");
    PutU32(out, static_cast<std::uint32_t>(id));
    PutU32(out, static_cast<std::uint32_t>(offset));
    PutU32(out, static_cast<std::uint32_t>(bytes.size()));
    offset += bytes.size();
  }
  for (const auto& entry : entries) out.insert(out.end(), entry.second.begin(), entry.second.end());
  return out;
}

std::vector<PackEntry> ReadPack(std::span<const std::uint8_t> pack) {
  if (pack.size() < kMagic.size() + 4 || !std::equal(kMagic.begin(), kMagic.end(), pack.begin()))
    Malformed("it does not start with the pack signature");
  const std::uint32_t count = GetU32(pack, kMagic.size());
  const std::size_t index_end = kMagic.size() + 4 + kEntrySize * std::size_t{count};
  if (index_end > pack.size()) Malformed("the index runs past the end");
  std::vector<PackEntry> entries;
  entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kMagic.size() + 4 + kEntrySize * i;
    const auto id = static_cast<std::int32_t>(GetU32(pack, at));
    const std::size_t offset = GetU32(pack, at + 4);
    const std::size_t size = GetU32(pack, at + 8);
    if (!entries.empty() && id <= entries.back().id) Malformed("ids do not ascend");
    if (offset < index_end || offset > pack.size() || size > pack.size() - offset)
      Malformed("entry " + std::to_string(id) + " lies outside the data");
    entries.push_back({id, pack.subspan(offset, size)});
  }
  return entries;
}

}  // namespace tlj::resources
