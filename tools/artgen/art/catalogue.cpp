#include "tools/artgen/art/catalogue.h"

#include <algorithm>

#include "tools/artgen/art/groups.h"

namespace tlj::artgen::art {

Entries Catalogue() {
  Entries entries;
  AddCards(entries);
  AddCardBacks(entries);
  AddCommandButtons(entries);
  AddDialogButtons(entries);
  AddKeypad(entries);
  AddTabs(entries);
  AddChips(entries);
  AddAvatars(entries);
  AddBadges(entries);
  AddBubbles(entries);
  AddCoins(entries);
  AddEmblems(entries);
  AddVideoArt(entries);
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.id < b.id; });
  return entries;
}

}  // namespace tlj::artgen::art
