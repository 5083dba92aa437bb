#include "resources/pack.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "resources/pack_store.h"

namespace tlj::resources {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sample() {
  return BuildPack({{876, {7, 8, 9}}, {3, {1, 2}}, {-1, {}}, {870, {0xFF, 0xD8}}});
}

Bytes Of(std::span<const std::uint8_t> bytes) {
  return {bytes.begin(), bytes.end()};
}

void PutU32(Bytes& pack, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    pack[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(PackTest, ReadsBackWhatWasPackedInIdOrder) {
  const Bytes pack = Sample();
  const std::vector<PackEntry> entries = ReadPack(pack);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].id, -1);
  EXPECT_TRUE(entries[0].bytes.empty());
  EXPECT_EQ(entries[1].id, 3);
  EXPECT_EQ(Of(entries[1].bytes), (Bytes{1, 2}));
  EXPECT_EQ(entries[2].id, 870);
  EXPECT_EQ(Of(entries[2].bytes), (Bytes{0xFF, 0xD8}));
  EXPECT_EQ(entries[3].id, 876);
  EXPECT_EQ(Of(entries[3].bytes), (Bytes{7, 8, 9}));
}

TEST(PackTest, AnEmptyPackHoldsNothing) {
  EXPECT_TRUE(ReadPack(BuildPack({})).empty());
}

TEST(PackTest, RefusesAnIdGivenTwice) {
  EXPECT_THROW(BuildPack({{5, {1}}, {5, {2}}}), std::invalid_argument);
}

TEST(PackTest, RejectsDamagedPacks) {
  // The index of Sample() starts at byte 12, 12 bytes an entry: id, offset, size.
  struct Case {
    const char* what;
    void (*damage)(Bytes&);
  };
  const Case cases[] = {
      {"empty", [](Bytes& p) { p.clear(); }},
      {"wrong signature", [](Bytes& p) { p[0] = 'X'; }},
      {"index cut short", [](Bytes& p) { p.resize(30); }},
      {"more entries than the index holds", [](Bytes& p) { PutU32(p, 8, 1000); }},
      {"ids out of order", [](Bytes& p) { PutU32(p, 12 + 12, 900); }},
      {"offset past the end", [](Bytes& p) { PutU32(p, 12 + 12 + 4, 5000); }},
      {"offset into the index", [](Bytes& p) { PutU32(p, 12 + 12 + 4, 14); }},
      {"size past the end", [](Bytes& p) { PutU32(p, 12 + 12 + 8, 0xFFFFFFF0u); }},
      {"data cut short", [](Bytes& p) { p.pop_back(); }},
  };
  for (const Case& c : cases) {
    Bytes pack = Sample();
    c.damage(pack);
    EXPECT_THROW(ReadPack(pack), std::runtime_error) << c.what;
  }
}

TEST(PackStoreTest, FindsEntriesOfTypeGifOnly) {
  const Bytes pack = Sample();
  const PackStore store(pack);
  ASSERT_TRUE(store.Get("GIF", 3));
  EXPECT_EQ(Of(*store.Get("GIF", 3)), (Bytes{1, 2}));
  ASSERT_TRUE(store.Get("GIF", -1));
  EXPECT_TRUE(store.Get("GIF", -1)->empty());
  for (const int absent : {0, 2, 4, 869, 871, 877})
    EXPECT_FALSE(store.Get("GIF", absent)) << absent;
  EXPECT_FALSE(store.Get("JPG", 870));
  EXPECT_FALSE(store.Get("", 3));
  EXPECT_EQ(store.Ids(), (std::vector<int>{-1, 3, 870, 876}));
}

TEST(PackStoreTest, ViewsIntoThePackWithoutCopying) {
  const Bytes pack = Sample();
  const PackStore store(pack);
  const auto bytes = store.Get("GIF", 876);
  ASSERT_TRUE(bytes);
  EXPECT_GE(bytes->data(), pack.data());
  EXPECT_LE(bytes->data() + bytes->size(), pack.data() + pack.size());
}

TEST(PackStoreTest, RefusesAMalformedPack) {
  const Bytes junk = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'a', 'c', 'k', 0, 0};
  EXPECT_THROW(PackStore{junk}, std::runtime_error);
}

}  // namespace
}  // namespace tlj::resources
