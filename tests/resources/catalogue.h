#pragma once
// Every picture id the client uses, with its size.

#include <map>

#include "tests/support/gif_file.h"

namespace tlj::resources::testing {

using tlj::testing::Size;

// id -> width × height, for all 474 pictures.
std::map<int, Size> CatalogueSizes();

inline bool IsJpegId(int id) {
  return id >= 870 && id <= 875;
}
inline constexpr int kHotPotId = 876;

}  // namespace tlj::resources::testing
