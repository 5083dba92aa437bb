#include "core/view/picture_cache.h"

#include <algorithm>
#include <list>
#include <unordered_map>
#include <utility>

#include "core/platform/digest.h"
#include "core/view/picture_decoder.h"

namespace tlj::view {
namespace {

// The bytes a picture was decoded from, as a digest: enough to tell a changed store.
struct Source {
  std::size_t size = 0;
  std::uint64_t digest = 0;
  bool operator==(const Source&) const = default;
};

Source SourceOf(std::span<const std::uint8_t> bytes) {
  return {bytes.size(), platform::Digest().Add(bytes).Value()};
}

struct CachedEntry {
  Source source;
  std::weak_ptr<const platform::Image> image;  // alive while an element shows it, or kept
};

// The pictures used last stay decoded even when nothing shows them, so the hover swaps and the
// coin frames of a flight decode once; within this many pixel bytes. The rest live as long as
// an element shows them and are decoded again when wanted again (a coin frame in tens of
// microseconds).
constexpr std::size_t kKeptPixelBytes = std::size_t{256} << 10;

std::unordered_map<int, CachedEntry> cached_pictures;
// Most recently used first.
std::list<std::pair<int, std::shared_ptr<const platform::Image>>> kept;
std::size_t kept_pixel_bytes = 0;

void Keep(int id, std::shared_ptr<const platform::Image> image) {
  const auto old = std::ranges::find(kept, id, &decltype(kept)::value_type::first);
  if (old != kept.end()) {
    kept_pixel_bytes -= old->second->rgba.size();
    kept.erase(old);
  }
  const std::size_t size = image->rgba.size();
  if (size > kKeptPixelBytes) return;
  kept.emplace_front(id, std::move(image));
  kept_pixel_bytes += size;
  while (kept_pixel_bytes > kKeptPixelBytes) {
    kept_pixel_bytes -= kept.back().second->rgba.size();
    kept.pop_back();
  }
}

}  // namespace

std::shared_ptr<const platform::Image> CachedPicture(int id, std::span<const std::uint8_t> bytes) {
  const Source source = SourceOf(bytes);
  auto& entry = cached_pictures[id];
  std::shared_ptr<const platform::Image> image;
  if (entry.source == source) image = entry.image.lock();
  if (!image) {
    image = DecodePicture(bytes);
    if (!image) {
      cached_pictures.erase(id);
      return nullptr;
    }
    entry = {source, image};
  }
  Keep(id, image);
  return image;
}

void ClearPictureCache() {
  cached_pictures.clear();
  kept.clear();
  kept_pixel_bytes = 0;
}

}  // namespace tlj::view
