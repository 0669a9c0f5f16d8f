// Raise/lower: vertical mouse movement lifts or sinks the picked square (and
// with the Large radius the ring around it) in grid steps, with a limit that
// keeps points from running away from their square's mean.
#pragma once

#include "core/editor_state.h"

namespace vh {

// One pass; reads MouseY, ToolActive and the picked square.
void RaiseLowerTool(EditorState& s);

// The smart limit: moves one point by step (doubled when the point is far
// from reference in ratio), unless it is already more than 16 x threshold
// beyond reference in the direction of the move, or protected.
void ApplyToPoint(HeightEdit& edit, const ToolSettings& tools, int point, float step, float reference);

// Applies step to those corners of a neighbour square that are not corners of
// the picked square, with the neighbour's own mean as reference.
void ApplyToNeighbourSquare(HeightEdit& edit, const ToolSettings& tools, int picked, int square, float step);

// True unless (x, z) is exactly the position of one of the picked square's
// corners (always true when nothing is picked).
bool IsOutsidePickedSquare(const Terrain& t, int picked, float x, float z);

}  // namespace vh
