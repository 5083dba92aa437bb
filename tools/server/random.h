#pragma once
// The server's one source of chance: a seeded Mersenne twister, with draws made the same way
// on every standard library, so one seed always plays the same games.

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace tlj::server {

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}

  // A whole number in lo..hi (lo <= hi), every value equally likely.
  std::int64_t Between(std::int64_t lo, std::int64_t hi);
  // True about once in `n` draws.
  bool OneIn(std::int64_t n) { return Between(1, n) == 1; }

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      const auto j = static_cast<std::size_t>(Between(0, static_cast<std::int64_t>(i) - 1));
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace tlj::server
