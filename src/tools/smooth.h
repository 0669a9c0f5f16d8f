// Smooth: pulls points toward the average of their neighbours, a grid step
// at a time (Gradual Move) or straight to the snapped average (Jump).
#pragma once

#include <optional>

#include "core/editor_state.h"

namespace vh {

struct SmoothStroke {
    bool SmoothJumpDone = false;  // Jump has run on the Large ring in this stroke
};

// One pass of the tool on the picked square (and the ring with the Large radius).
void SmoothTool(EditorState& s, SmoothStroke& sm);

// The style's rule on one point; Jump only while SmoothJumpDone is false.
void SmoothPoint(HeightEdit& edit, const ToolSettings& tools, const SmoothStroke& sm, int point);

// Gradual Move: one step of Grid (twice Grid when far off in ratio) toward the average.
void SmoothPointByStep(HeightEdit& edit, const ToolSettings& tools, int point);

// Jump: the snapped average, unless the point is within the threshold of it.
// Also used by the smoothing pass and the mountain/valley rim.
void SmoothPointJump(HeightEdit& edit, const ToolSettings& tools, int point);

// Average of the point and its neighbours of SmoothType (0 radial, 1 linear)
// with the heights as they are now; nullopt for any other type.
std::optional<float> NeighbourhoodAverage(const Terrain& t, const ToolSettings& tools, int point);

}  // namespace vh
