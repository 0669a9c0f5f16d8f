#include "tools/edit_pass.h"

#include "core/rules.h"
#include "core/undo.h"
#include "tools/flatten.h"
#include "tools/mountain.h"
#include "tools/noise.h"
#include "tools/raise_lower.h"
#include "tools/smooth.h"
#include "tools/tool_common.h"
#include "tools/touch_up.h"

namespace vh {

void TouchUpKeys(EditorState& s, const InputState& in) {
    if (!s.Commands.cmdTouchUp.Checked) return;
    TouchUpPageAndLockKeys(s, in);
}

void WheelStep(EditorState& s, const InputState& in) {
    const int delta = in.Wheel > s.PreviousWheel ? 1 : in.Wheel < s.PreviousWheel ? -1 : 0;
    // The cycles are enforced every pass, so a radius set to 2 in the dialog
    // becomes 20 as soon as the tool runs again.
    if (s.Commands.cmdTouchUp.Checked) TouchUpWheel(s, delta);
    if (s.Commands.cmdMountain.Checked) MountVallWheel(s, delta);
    s.PreviousWheel = in.Wheel;
}

void UpdateStroke(EditorState& s, const InputState& in, int hitSquare) {
    if (s.Commands.cmdTouchUp.Checked) {
        s.ToolActive = ToBool16(in.Button1 || in.KeyDown(Key::PageUp) || in.KeyDown(Key::PageDown));
    } else {
        s.ToolActive = ToBool16(in.Button1);
        if (!in.Button1) {
            s.LastMouseY = 0;
            s.MountVallBase = 0;
        }
    }
    if (s.ToolActive != 0) MarkDocumentChanged(s);

    // The selection is frozen during a stroke; a miss keeps the last square.
    if (hitSquare != 0 && s.ToolActive == 0 && SquareIndex(s, static_cast<float>(hitSquare)) != 0)
        s.PickedSquare = static_cast<float>(hitSquare);

    if (!in.Button1) {
        s.StrokeUndoTaken = kFalse;
        s.NoiseApplied = kFalse;
        s.SmoothJumpDone = kFalse;
    } else if (s.PickedSquare != 0 && s.StrokeUndoTaken == 0) {
        PushUndo(s);
        s.StrokeUndoTaken = kTrue;
    }
}

void RunCurrentTool(EditorState& s, const InputState& in) {
    if (s.PickedSquare == 0) return;
    const CommandStates& c = s.Commands;
    if (c.cmdRaiseLower.Checked) RaiseLowerTool(s);
    if (c.cmdMountain.Checked) MountVallTool(s);
    if (c.cmdSmooth.Checked) SmoothTool(s);
    if (c.cmdFlatten.Checked) FlattenTool(s);
    if (c.cmdNoise.Checked) NoiseTool(s);
    if (c.cmdTouchUp.Checked) TouchUpTool(s, in);
}

void RunEditPass(EditorState& s, const InputState& in, int hitSquare) {
    if (s.PointTotal() < 1 || s.SquareTotal() < 1) return;
    s.MouseY = in.CursorY;
    TouchUpKeys(s, in);
    WheelStep(s, in);
    UpdateStroke(s, in, hitSquare);
    RunCurrentTool(s, in);
}

}  // namespace vh
