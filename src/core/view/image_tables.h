#pragma once
// Picture resources by id, and the id tables built once at start-up. An entry of 0 is empty.

#include <array>
#include <cstddef>
#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::view {

inline std::array<int, 64> CardImageIds{};
inline std::array<int, 20> ButtonImageIds{};
inline std::array<int, 8> DialogButtonImageIds{};
// Entries of DialogButtonImageIds: OK and cancel, a switch that is on (a click turns it off) or
// off, and the two table grounds.
enum DialogButtonEntry : std::size_t {
  kDialogOk = 0,
  kDialogCancel = 2,
  kSwitchOn = 4,
  kSwitchOff = 5,
  kFirstGround = 6,
  kSecondGround = 7,
};
inline std::array<int, 15> OperationImageIds{};
inline std::array<int, 30> NumImageIds{};
inline std::array<int, 20> AvatarImageIds{};
inline std::array<int, 4> ReadyImageIds{};
inline std::array<int, 20> CoinFrames5{};
inline std::array<int, 20> CoinFrames10{};
inline std::array<int, 20> CoinFrames20{};
inline std::array<int, 20> CoinFrames50{};
inline std::array<int, 20> CoinFrames100{};
// The phrase buttons imgword1 (quick phrases) and imgword2 (voice phrases).
struct PhraseButtonPictures {
  const char* name;
  int normal;
  int hover;
};
inline constexpr std::array<PhraseButtonPictures, 2> kPhraseButtons{{
    {"imgword1", 506, 508},
    {"imgword2", 507, 509},
}};
inline int CoinImageId1 = 0;
inline int CoinImageId500 = 0;

// Fills every table from LayoutScale.
void BuildImageTables();

// Makes resource (type, id) the element's picture; any failure leaves the old picture quietly.
void LoadGifResource(int id, std::string_view type, platform::Element& element);

}  // namespace tlj::view
