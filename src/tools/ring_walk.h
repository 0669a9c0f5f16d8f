// The walk over a square's corners and the ring of points around it that
// smooth and noise share. Each tool lists its own order: the noise draws
// follow it, so it is part of that tool's behaviour.
#pragma once

#include <array>
#include <span>

#include "tools/tool_common.h"

namespace vh {

using CornerOf = int (*)(const Terrain&, int);

// Corners of the neighbour in direction Of (of the square itself when
// Itself), up to four, visited in the listed order.
struct RingStep {
    bool Itself = false;
    Dir Of = Dir::Next;
    std::array<CornerOf, 4> Corners{};
};

// Calls visit(point) for each listed corner; a neighbour the terrain does not
// have is skipped.
template <class Visit>
void WalkRing(const Terrain& t, int square, std::span<const RingStep> steps, Visit&& visit) {
    for (const RingStep& step : steps) {
        const int k = step.Itself ? square : SquareIndex(t, t.Neighbour(square, step.Of));
        if (k == 0) continue;
        for (CornerOf corner : step.Corners)
            if (corner) visit(corner(t, k));
    }
}

}  // namespace vh
