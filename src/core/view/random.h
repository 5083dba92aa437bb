#pragma once
// The one random generator behind every draw of the table. Seeded once at start-up with the
// seed the front end passes; tests seed it with a fixed value, or replace it, so that runs repeat.

#include <cstdint>
#include <functional>

namespace tlj::view {

// A whole number drawn uniformly from lo..hi, both included.
int RandomInt(int lo, int hi);

// Starts the generator afresh from `seed`.
void SeedRandom(std::uint64_t seed);

// Makes every draw come from `source` (given lo and hi, it returns a number in lo..hi); an empty
// source puts the seeded generator back.
using RandomSource = std::function<int(int lo, int hi)>;
void SetRandomSource(RandomSource source);

}  // namespace tlj::view
