#pragma once
// Repeatable noise for the textures of felt and wood: the same picture on every build.

namespace tlj::artgen::art {

// A value in [0, 1) for each whole point of the plane.
float Grain(int x, int y, int seed);
// Grain smoothed between whole points: a value in [0, 1) that changes gently over a pixel.
float SmoothNoise(float x, float y, int seed);

}  // namespace tlj::artgen::art
