#include "core/view/picture_cache.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/view/picture_decoder.h"

namespace tlj::view {
namespace {

struct CachedEntry {
  std::vector<std::uint8_t> bytes;  // what the picture was decoded from
  std::shared_ptr<const platform::Image> image;
};

// The whole store decodes to a few megabytes; the bound only stops a store of huge pictures
// from holding all of them at once.
constexpr std::size_t kMaxCachedPixelBytes = std::size_t{64} << 20;

std::unordered_map<int, CachedEntry> g_tPictureCache;
std::size_t g_lCachedPixelBytes = 0;

void Forget(int id) {
  const auto it = g_tPictureCache.find(id);
  if (it == g_tPictureCache.end()) return;
  g_lCachedPixelBytes -= it->second.image->rgba.size();
  g_tPictureCache.erase(it);
}

}  // namespace

std::shared_ptr<const platform::Image> CachedPicture(int id, std::span<const std::uint8_t> bytes) {
  const auto it = g_tPictureCache.find(id);
  if (it != g_tPictureCache.end() && std::ranges::equal(it->second.bytes, bytes))
    return it->second.image;
  Forget(id);
  auto image = DecodePicture(bytes);
  if (!image) return nullptr;
  const std::size_t size = image->rgba.size();
  if (size > kMaxCachedPixelBytes) return image;
  if (g_lCachedPixelBytes + size > kMaxCachedPixelBytes) ClearPictureCache();
  g_tPictureCache[id] = {std::vector<std::uint8_t>(bytes.begin(), bytes.end()), image};
  g_lCachedPixelBytes += size;
  return image;
}

void ClearPictureCache() {
  g_tPictureCache.clear();
  g_lCachedPixelBytes = 0;
}

}  // namespace tlj::view
