#include "core/view/random.h"

#include <algorithm>
#include <random>
#include <utility>

namespace tlj::view {
namespace {

std::mt19937_64& Generator() {
  static std::mt19937_64 generator;
  return generator;
}

RandomSource& Source() {
  static RandomSource source;
  return source;
}

}  // namespace

int RandomInt(int lo, int hi) {
  if (hi < lo) std::swap(lo, hi);
  if (Source()) return std::clamp(Source()(lo, hi), lo, hi);
  return std::uniform_int_distribution<int>(lo, hi)(Generator());
}

void SeedRandom(std::uint64_t seed) {
  Generator().seed(seed);
}

void SetRandomSource(RandomSource source) {
  Source() = std::move(source);
}

}  // namespace tlj::view
