// Mountain/valley: grows a round hill (or digs a valley) centred on the
// picked square, pulling every point inside the circle part of the way toward
// a dome above the height the square had when the stroke began.
#pragma once

#include "core/editor_state.h"

namespace vh {

// What a mountain/valley stroke carries from pass to pass.
struct MountainStroke {
    float MountVallBase = 0;  // the picked square's mean height when the stroke began; 0 not yet
    float MountVallStep = 0;  // signed strength of the stroke
};

// One pass; reads MouseY, ToolActive and the picked square.
void MountVallTool(EditorState& s, MountainStroke& stroke);

// One point against the dome of radius r centred on (cx, cz) above base,
// with the stroke's strength `step`, then the rim smoothing when
// MountVallSmoothOuter is set.
void MountVallPoint(HeightEdit& edit, const ToolSettings& tools, float step, int point, float cx, float base,
                    float cz, float r);

// The wheel changed the radius by delta (+1 / -1 / 0); the radius is then kept
// in its cycle 3 .. 20 (21 wraps to 3, 2 or less to 20).
void MountVallWheel(EditorState& s, int delta);

}  // namespace vh
