#pragma once
// Decoded pictures by resource id: hover swaps and coin frames load the same few pictures over
// and over, and each is decoded once while it is in use or among the last used; a picture that
// nothing shows any more and that was not used lately gives its memory back.

#include <cstdint>
#include <memory>
#include <span>

#include "core/platform/image.h"

namespace tlj::view {

// The picture of resource `id` whose stored bytes are `bytes`, decoded now or earlier. An
// earlier picture is used only when it came from the same bytes, so a store that changes never
// shows a stale picture. Null when the bytes do not decode.
std::shared_ptr<const platform::Image> CachedPicture(int id, std::span<const std::uint8_t> bytes);

// Forgets every picture (elements showing one keep it).
void ClearPictureCache();

}  // namespace tlj::view
