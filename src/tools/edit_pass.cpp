#include "tools/edit_pass.h"

#include "core/rules.h"
#include "core/undo.h"
#include "tools/brush_tool.h"
#include "tools/mountain.h"
#include "tools/tool_common.h"
#include "tools/touch_up.h"

namespace vh {

void TouchUpKeys(EditorState& s, ToolBox& tools, const InputState& in) {
    if (s.CurrentTool != Tool::TouchUp) return;
    TouchUpPageAndLockKeys(s, tools.TouchUp, in);
}

void WheelStep(EditorState& s, ToolBox& tools, const InputState& in) {
    const int delta = in.Wheel > s.Stroke.PreviousWheel ? 1 : in.Wheel < s.Stroke.PreviousWheel ? -1 : 0;
    // The cycles are enforced every pass, so a radius set to 2 in the dialog
    // becomes 20 as soon as the tool runs again.
    if (s.CurrentTool == Tool::TouchUp) TouchUpWheel(tools.TouchUp, delta);
    if (s.CurrentTool == Tool::Mountain) MountVallWheel(s, delta);
    s.Stroke.PreviousWheel = in.Wheel;
}

void UpdateStroke(EditorState& s, ToolBox& tools, const InputState& in, int hitSquare) {
    if (s.CurrentTool == Tool::TouchUp) {
        s.Stroke.ToolActive = in.Button1 || in.KeyDown(Key::PageUp) || in.KeyDown(Key::PageDown);
    } else {
        s.Stroke.ToolActive = in.Button1;
        if (!in.Button1) {
            s.Stroke.LastMouseY = 0;
            tools.Mountain.MountVallBase = 0;
        }
    }
    if (s.Stroke.ToolActive) MarkDocumentChanged(s);

    // The selection is frozen during a stroke; a miss keeps the last square.
    if (hitSquare != 0 && !s.Stroke.ToolActive && SquareIndex(s.Terrain, hitSquare) != 0)
        s.Stroke.PickedSquare = hitSquare;

    if (!in.Button1) {
        s.Stroke.StrokeUndoTaken = false;
        tools.Noise.NoiseApplied = false;
        tools.Smooth.SmoothJumpDone = false;
    } else if (s.Stroke.PickedSquare != 0 && !s.Stroke.StrokeUndoTaken) {
        PushUndo(s);
        s.Stroke.StrokeUndoTaken = true;
    }
}

void RunCurrentTool(EditorState& s, ToolBox& tools, const InputState& in) {
    if (s.Stroke.PickedSquare == 0) return;
    if (BrushTool* tool = tools.Of(s.CurrentTool)) tool->Apply(s, in);
}

void RunEditPass(EditorState& s, ToolBox& tools, const InputState& in, int hitSquare) {
    if (s.Terrain.PointCount < 1 || s.Terrain.SquareCount < 1) return;
    s.Stroke.MouseY = in.CursorY;
    TouchUpKeys(s, tools, in);
    WheelStep(s, tools, in);
    UpdateStroke(s, tools, in, hitSquare);
    RunCurrentTool(s, tools, in);
}

}  // namespace vh
