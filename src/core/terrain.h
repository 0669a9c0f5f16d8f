// Grid point and grid cell records. Indices are 1-based; 0 means none.
#pragma once

#include <cstdint>

namespace vh {

struct TerrainPoint {
    float X = 0.0f;
    float Height = 0.0f;
    float Z = 0.0f;
    int16_t Locked = 0;  // -1 true, 0 false
};

// All twelve fields hold whole-number indices stored as floats, in the order
// they are written to a document.
struct TerrainSquare {
    float SqNext = 0, SqPrev = 0, SqLeft = 0, SqRight = 0;
    float SqNextLeft = 0, SqNextRight = 0, SqPrevLeft = 0, SqPrevRight = 0;
    float CornerNextLeft = 0, CornerNextRight = 0, CornerLeft = 0, CornerRight = 0;
};

}  // namespace vh
