// One main-loop pass of editing, after the camera has moved and the view has
// picked: the touch-up keys and the mouse wheel, the stroke state, then the
// current tool on the picked square.
#pragma once

#include "core/editor_state.h"
#include "core/input_state.h"
#include "tools/brush_tool.h"

namespace vh {

// hitSquare: the square the pick found under the cursor, 0 when it hit
// nothing. Sets MouseY from in.CursorY and PreviousWheel to in.Wheel.
void RunEditPass(EditorState& s, ToolBox& tools, const InputState& in, int hitSquare);

// The parts, in the order RunEditPass runs them.

// Touch-up only: Page Up/Down steps with their repeat, the lock key (L or
// mouse button 3).
void TouchUpKeys(EditorState& s, ToolBox& tools, const InputState& in);

// The tools the wheel steps (touch-up's corner, mountain/valley's radius);
// with any other the plain wheel moves the camera.
inline bool ToolUsesWheel(Tool t) {
    return t == Tool::TouchUp || t == Tool::Mountain;
}

// The wheel against PreviousWheel: touch-up corner or mountain/valley radius,
// each kept in its cycle; then PreviousWheel = in.Wheel.
void WheelStep(EditorState& s, ToolBox& tools, const InputState& in);

// ToolActive (the document changes while it is set), the frozen selection,
// the per-stroke undo snapshot and the resets on release.
void UpdateStroke(EditorState& s, ToolBox& tools, const InputState& in, int hitSquare);

// The current tool's pass, when a square is picked.
void RunCurrentTool(EditorState& s, ToolBox& tools, const InputState& in);

}  // namespace vh
