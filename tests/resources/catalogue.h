#pragma once
// Every picture id the client uses, with its size.

#include <map>

#include "gif_file.h"

namespace tlj::resources::testing {

// id -> width × height, for all 474 pictures.
std::map<int, Size> CatalogueSizes();

inline bool IsJpegId(int id) {
  return id >= 870 && id <= 875;
}
inline constexpr int kHotPotId = 876;

}  // namespace tlj::resources::testing
