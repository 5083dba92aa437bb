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

std::unordered_map<int, CachedEntry> cached_pictures;
std::size_t cached_pixel_bytes = 0;

void Forget(int id) {
  const auto it = cached_pictures.find(id);
  if (it == cached_pictures.end()) return;
  cached_pixel_bytes -= it->second.image->rgba.size();
  cached_pictures.erase(it);
}

}  // namespace

std::shared_ptr<const platform::Image> CachedPicture(int id, std::span<const std::uint8_t> bytes) {
  const auto it = cached_pictures.find(id);
  if (it != cached_pictures.end() && std::ranges::equal(it->second.bytes, bytes))
    return it->second.image;
  Forget(id);
  auto image = DecodePicture(bytes);
  if (!image) return nullptr;
  const std::size_t size = image->rgba.size();
  if (size > kMaxCachedPixelBytes) return image;
  if (cached_pixel_bytes + size > kMaxCachedPixelBytes) ClearPictureCache();
  cached_pictures[id] = {std::vector<std::uint8_t>(bytes.begin(), bytes.end()), image};
  cached_pixel_bytes += size;
  return image;
}

void ClearPictureCache() {
  cached_pictures.clear();
  cached_pixel_bytes = 0;
}

}  // namespace tlj::view
