#include "tools/tool_common.h"

namespace vh {

float SquareMean(const Terrain& t, int square) {
    const SquareCorners c = t.Corners(square);
    const float sum =
        t.Points[c.c2].Height + t.Points[c.c3].Height + t.Points[c.c0].Height + t.Points[c.c1].Height;
    return sum / 4.0f;
}

}  // namespace vh
