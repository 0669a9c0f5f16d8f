// SnapToGrid for the per-point loops of the passes, without a library call.
#pragma once

#include <cmath>

#include "core/rules.h"

namespace vh {

// Same result as SnapToGrid(v, grid). Adding and taking away 1.5 x 2^52
// rounds a double to a whole number, halves to even, in the default
// rounding mode; values out of that range go the general way.
inline float SnapHeight(float v, int grid) {
    if (grid == 0) return SnapToGrid(v, grid);
    const double q = static_cast<double>(v) / grid;
    if (!(std::fabs(q) < 1e15)) return SnapToGrid(v, grid);
    constexpr double kMagic = 6755399441055744.0;
    // copysign keeps the sign of a zero, as nearbyint does (-0.3 gives -0).
    const double whole = std::copysign((q + kMagic) - kMagic, q);
    return static_cast<float>(whole * grid);
}

}  // namespace vh
