#pragma once
// The client on the harness in the state the table's fuzz targets start from, and the pictures
// its windows show kept decoded from one input to the next.

#include "core/platform/element_tree.h"
#include "sim/client_harness.h"

namespace tlj::fuzz {

// A phrase file with two phrases in each list beside the program, then the login, four players
// by their arrivals, a hand's ante and the user's turn with its cards dealt.
void SitDownToAHand(sim::ClientHarness& h);

// The picture cache lets a large picture go once nothing shows it; holding what the first
// client's windows showed lets every later client take the same pictures decoded instead of
// decoding its grounds again, which would take most of the time of a run.
void HoldPicturesShown(const platform::ElementTree& tree);

}  // namespace tlj::fuzz
