#include "core/view/image_tables.h"

#include <span>
#include <utility>

#include "core/platform/services.h"
#include "core/view/layout.h"
#include "core/view/picture_cache.h"

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

void LoadGifResource(int id, std::string_view type, platform::Element& element) {
  const platform::ResourceStore* store = platform::Sys().store;
  if (store == nullptr || id == 0) return;
  const auto bytes = store->Get(type, id);
  if (!bytes) return;
  auto image = CachedPicture(id, *bytes);
  if (!image) return;
  element.picture = id;
  element.image = std::move(image);
}

}  // namespace tlj::view
