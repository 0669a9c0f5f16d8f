#include "tools/touch_up.h"

#include "core/rules.h"
#include "core/undo.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

constexpr float kRepeatDelayMs = 250.0f;

}  // namespace

int TouchUpPoint(const EditorState& s) {
    const int sq = PickedIndex(s);
    if (sq == 0) return 0;
    switch (s.TouchUpCorner) {
        case 1:
            return CornerLeftOf(s, sq);
        case 2:
            return CornerNextLeftOf(s, sq);
        case 3:
            return CornerNextRightOf(s, sq);
        case 4:
            return CornerRightOf(s, sq);
        default:
            return 0;
    }
}

void TouchUpTool(EditorState& s, const InputState& in) {
    const int32_t y = s.MouseY;
    if (in.KeyDown(Key::PageUp) || in.KeyDown(Key::PageDown) || s.ToolActive == 0) {
        s.LastMouseY = 0;
        return;
    }
    if (s.LastMouseY == 0.0f) s.LastMouseY = static_cast<float>(y);
    const int32_t d = RoundToInt32(static_cast<double>(s.LastMouseY) - y);
    const int32_t scaled = static_cast<int32_t>(s.RaiseLowerSensitivity) * d;
    const int32_t step = RoundToInt32(SnapToGrid(static_cast<float>(scaled), s.Grid));
    s.LastMouseY = static_cast<float>(y);
    if (step == 0) return;
    if (const int p = TouchUpPoint(s)) s.Points[p].Height = s.Points[p].Height + static_cast<float>(step);
    UpdateTerrainMesh(s);
}

void TouchUpKeyStep(EditorState& s) {
    if (PickedIndex(s) == 0) {
        UpdateTerrainMesh(s);
        return;
    }
    if (s.TouchUpKeyTime == 0.0f) PushUndo(s);
    const int16_t change = static_cast<int16_t>(s.TouchUpDirection * s.Grid);
    if (const int p = TouchUpPoint(s)) s.Points[p].Height = s.Points[p].Height + change;
    UpdateTerrainMesh(s);
}

void TouchUpToggleLock(EditorState& s) {
    const int p = TouchUpPoint(s);
    if (p == 0) return;
    s.Points[p].Locked = s.Points[p].Locked == 0 ? kTrue : kFalse;
    MarkDocumentChanged(s);  // locks are kept in the document
}

void TouchUpPageAndLockKeys(EditorState& s, const InputState& in) {
    if (in.KeyDown(Key::PageUp)) {
        s.TouchUpDirection = 1;
    } else if (in.KeyDown(Key::PageDown)) {
        s.TouchUpDirection = -1;
    } else {
        s.TouchUpDirection = 0;
        s.TouchUpKeyTime = 0;
    }
    if (s.TouchUpDirection != 0) {
        // One step at once, then none until the key has been held past the delay.
        if (s.TouchUpKeyTime == 0.0f || s.TouchUpKeyTime > kRepeatDelayMs) TouchUpKeyStep(s);
        s.TouchUpKeyTime += in.ElapsedMs;
    }

    if (in.KeyDown(Key::L) || in.Button3) {
        if (s.TouchUpLockKeyDown == 0) TouchUpToggleLock(s);
        s.TouchUpLockKeyDown = kTrue;
    } else {
        s.TouchUpLockKeyDown = kFalse;
    }
}

void TouchUpWheel(EditorState& s, int delta) {
    int corner = s.TouchUpCorner + (delta > 0 ? 1 : delta < 0 ? -1 : 0);
    if (corner >= 5) corner = 1;
    if (corner <= 0) corner = 4;
    s.TouchUpCorner = static_cast<int16_t>(corner);
}

}  // namespace vh
