// The three whole-map passes of the Map menu. Each is one undo step, marks
// the document changed and ends with the mesh rebuild; the caller shows the
// busy cursor around it.
#pragma once

#include "core/editor_state.h"

namespace vh {

// "cmdSmoothingPass": the Jump smoothing rule on every point in index order,
// with SmoothType and SmoothToolThreshold whatever SmoothStyle says.
void SmoothingPass(EditorState& s);

// "cmdNoisePass": every unprotected point gets SnapToGrid(2 M r - M), M = MaxNoise.
void NoisePass(EditorState& s);

// "cmdScalingPass": every unprotected point becomes SnapToGrid(factor x height).
// A factor of exactly 0 or 1 does nothing at all (no undo step, no rebuild).
void ScalingPass(EditorState& s);

}  // namespace vh
