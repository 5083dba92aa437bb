#pragma once
// Each group of pictures adds its entries to the catalogue.

#include "tools/artgen/art/catalogue.h"

namespace tlj::artgen::art {

void AddCards(Entries& entries);
void AddCardBacks(Entries& entries);
void AddCommandButtons(Entries& entries);
void AddDialogButtons(Entries& entries);
void AddKeypad(Entries& entries);
void AddTabs(Entries& entries);
void AddChips(Entries& entries);
void AddAvatars(Entries& entries);
void AddBadges(Entries& entries);
void AddBubbles(Entries& entries);
void AddCoins(Entries& entries);
void AddEmblems(Entries& entries);
void AddVideoArt(Entries& entries);

}  // namespace tlj::artgen::art
