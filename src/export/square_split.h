// How a grid square's surface is cut into brushes.
#pragma once

#include <cstdint>

namespace vh {

// The pair of triangles a square gets, or one quad for a plane under "Best Fit".
enum class SquareSplit : uint8_t { Backslash, Forward, Quad };

// "Best Fit": compares h0*h3 with h1*h2 (corner heights C0..C3).
SquareSplit BestFitSplit(float h0, float h1, float h2, float h3);

}  // namespace vh
