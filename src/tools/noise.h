// Noise: a random grid-snapped change on the picked square (and the ring with
// the Large radius), once per click.
#pragma once

#include "core/editor_state.h"

namespace vh {

struct NoiseStroke {
    bool NoiseApplied = false;  // the stroke has had its one change
};

// One pass; acts only in the first pass of a stroke (NoiseApplied).
void NoiseTool(EditorState& s, NoiseStroke& n);

// Height += SnapToGrid(2 M r - M) with one fresh draw r, M = MaxNoise; a
// protected point draws nothing.
void NoisePoint(HeightEdit& edit, const ToolSettings& tools, RandomSource& rnd, int point);

}  // namespace vh
