// The finishing passes of a new terrain: neutralisation into the height
// limits, flattening towards zero and the smoothing neighbourhoods.
#pragma once

#include <vector>

#include "core/progress.h"
#include "generate/generators.h"

namespace vh {

// The extremes found by the neutralisation scan, as the flattening needs them.
struct HeightRange {
    float Lo = 0;
    float Hi = 0;
};

// Scales every height down (and snaps it) when the terrain leaves
// MinNormal..MaxNormal; returns the scan's extremes, clipped to the limits.
HeightRange NeutralizationPass(Terrain& t, const NewMapSettings& m, int grid, Progress& progress);

// Pulls heights towards zero along (h / extreme)^(FlattenToZeroFactor / 10 + 1).
void FlatteningPass(Terrain& t, const NewMapSettings& m, int grid, HeightRange range, Progress& progress);

// Status text of a smoothing option, before the pass number ("" for None).
const char* SmoothingPassText(SmoothOption option);

// One smoothing pass; work is the per-point scratch array (resized as needed).
void SmoothingPass(Terrain& t, const NewMapSettings& m, int grid, SmoothOption option, int passNumber,
                   std::vector<float>& work, Progress& progress);

}  // namespace vh
