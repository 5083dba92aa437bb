#include "core/view/image_tables.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/platform/services.h"
#include "core/view/layout.h"

namespace tlj::view {
namespace {

void FillFrom(std::span<int> table, int first_id) {
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = first_id + static_cast<int>(i);
}

void BuildCardIds(bool reduced) {
  CardImageIds.fill(0);
  for (int suit = 0; suit < 4; ++suit) {
    if (!reduced) {
      // Only diamonds run on to the two jokers and the back (16, 17, 18).
      const int last_rank = suit == 0 ? 18 : 15;
      for (int rank = 3; rank <= last_rank; ++rank)
        CardImageIds[16 * suit + rank] = 16 * suit + rank;
      continue;
    }
    // The reduced pictures run A, 2, 3 .. K within each suit.
    for (int rank = 3; rank <= 15; ++rank)
      CardImageIds[16 * suit + rank] = (rank <= 13 ? 300 : 287) + 13 * suit + rank;
  }
  if (reduced) {
    CardImageIds[16] = 353;
    CardImageIds[17] = 354;
    CardImageIds[18] = 18;  // there is no reduced card back
  }
}

bool IsGif(std::span<const std::uint8_t> bytes) {
  constexpr std::uint8_t kGif87[] = {'G', 'I', 'F', '8', '7', 'a'};
  constexpr std::uint8_t kGif89[] = {'G', 'I', 'F', '8', '9', 'a'};
  return bytes.size() >= 6 && (std::equal(kGif87, kGif87 + 6, bytes.begin()) ||
                               std::equal(kGif89, kGif89 + 6, bytes.begin()));
}

bool IsJpeg(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

}  // namespace

void BuildImageTables() {
  const bool reduced = IsReducedLayout();
  BuildCardIds(reduced);

  for (int i = 0; i < 10; ++i) {
    NumImageIds[i] = 220 + i;
    NumImageIds[i + 15] = 230 + i;
  }
  for (int i = 0; i < 5; ++i) {
    NumImageIds[i + 10] = 200 + i;
    NumImageIds[i + 25] = 205 + i;
  }

  // The send button has one size in both layouts; the others have reduced pictures.
  for (int i = 0; i < 20; ++i) ButtonImageIds[i] = (reduced && i >= 2 ? 281 : 150) + i;

  FillFrom(DialogButtonImageIds, 170);
  OperationImageIds = {590, 592, 590, 592, 520, 522};

  FillFrom(CoinFrames5, reduced ? 621 : 601);
  FillFrom(CoinFrames10, reduced ? 661 : 641);
  FillFrom(CoinFrames20, reduced ? 701 : 681);
  FillFrom(CoinFrames50, reduced ? 741 : 721);
  FillFrom(CoinFrames100, reduced ? 781 : 761);
  CoinImageId1 = reduced ? 804 : 803;
  CoinImageId500 = reduced ? 806 : 805;

  FillFrom(AvatarImageIds, 240);
  ReadyImageIds = {280, 281, 282, 280};
}

// Decoding belongs to the front end; here an entry is accepted when its content is a GIF or a
// JPEG picture (the type names the store's section, not the format).
void LoadGifResource(int id, std::string_view type, platform::Element& element) {
  const platform::ResourceStore* store = platform::Sys().store;
  if (store == nullptr || id == 0) return;
  const auto bytes = store->Get(type, id);
  if (!bytes || !(IsGif(*bytes) || IsJpeg(*bytes))) return;
  element.picture = id;
}

}  // namespace tlj::view
