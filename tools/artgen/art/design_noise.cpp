#include "tools/artgen/art/design_noise.h"

#include <cmath>
#include <cstdint>

namespace tlj::artgen::art {

float Grain(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^
                    static_cast<std::uint32_t>(y) * 0xD8163841u ^
                    static_cast<std::uint32_t>(seed) * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

float SmoothNoise(float x, float y, int seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  // Smoothstep weights, so that the joins between cells do not show as creases.
  const float u = x - fx, v = y - fy;
  const float su = u * u * (3 - 2 * u), sv = v * v * (3 - 2 * v);
  const float top = Grain(ix, iy, seed) + (Grain(ix + 1, iy, seed) - Grain(ix, iy, seed)) * su;
  const float bottom =
      Grain(ix, iy + 1, seed) + (Grain(ix + 1, iy + 1, seed) - Grain(ix, iy + 1, seed)) * su;
  return top + (bottom - top) * sv;
}

}  // namespace tlj::artgen::art
