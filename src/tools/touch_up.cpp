#include "tools/touch_up.h"

#include "core/rules.h"
#include "core/undo.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

constexpr float kRepeatDelayMs = 250.0f;

}  // namespace

int TouchUpCornerOf(const Terrain& t, int square, int corner) {
    if (!t.IsSquare(square)) return 0;
    switch (corner) {
        case 1:
            return CornerLeftOf(t, square);
        case 2:
            return CornerNextLeftOf(t, square);
        case 3:
            return CornerNextRightOf(t, square);
        case 4:
            return CornerRightOf(t, square);
        default:
            return 0;
    }
}

int TouchUpPoint(const EditorState& s, const TouchUpStroke& u) {
    return TouchUpCornerOf(s.Terrain, s.Stroke.PickedSquare, u.TouchUpCorner);
}

void TouchUpTool(EditorState& s, const TouchUpStroke& u, const InputState& in) {
    const int32_t y = s.Stroke.MouseY;
    if (in.KeyDown(Key::PageUp) || in.KeyDown(Key::PageDown) || !s.Stroke.ToolActive) {
        s.Stroke.LastMouseY = 0;
        return;
    }
    if (s.Stroke.LastMouseY == 0.0f) s.Stroke.LastMouseY = static_cast<float>(y);
    const int32_t d = RoundToInt32(static_cast<double>(s.Stroke.LastMouseY) - y);
    const int32_t scaled = static_cast<int32_t>(s.Tools.RaiseLowerSensitivity) * d;
    const int32_t step = RoundToInt32(SnapToGrid(static_cast<float>(scaled), s.Tools.Grid));
    s.Stroke.LastMouseY = static_cast<float>(y);
    if (step == 0) return;
    // The one tool that moves a locked point.
    HeightEdit edit = EditHeights(s);
    if (const int p = TouchUpPoint(s, u)) edit.SetEvenIfLocked(p, edit.Height(p) + static_cast<float>(step));
}

void TouchUpKeyStep(EditorState& s, const TouchUpStroke& u) {
    if (PickedIndex(s) == 0) return;
    if (u.TouchUpKeyTime == 0.0f) PushUndo(s);
    const int change = u.TouchUpDirection * s.Tools.Grid;
    HeightEdit edit = EditHeights(s);
    if (const int p = TouchUpPoint(s, u))
        edit.SetEvenIfLocked(p, edit.Height(p) + static_cast<float>(change));
}

void TouchUpToggleLock(EditorState& s, const TouchUpStroke& u) {
    const int p = TouchUpPoint(s, u);
    if (p == 0) return;
    s.Terrain.Points[p].Locked = !s.Terrain.Points[p].Locked;
    MarkDocumentChanged(s);  // locks are kept in the document
}

void TouchUpPageAndLockKeys(EditorState& s, TouchUpStroke& u, const InputState& in) {
    if (in.KeyDown(Key::PageUp)) {
        u.TouchUpDirection = 1;
    } else if (in.KeyDown(Key::PageDown)) {
        u.TouchUpDirection = -1;
    } else {
        u.TouchUpDirection = 0;
        u.TouchUpKeyTime = 0;
    }
    if (u.TouchUpDirection != 0) {
        // One step at once, then none until the key has been held past the delay.
        if (u.TouchUpKeyTime == 0.0f || u.TouchUpKeyTime > kRepeatDelayMs) TouchUpKeyStep(s, u);
        u.TouchUpKeyTime += in.ElapsedMs;
    }

    if (in.KeyDown(Key::L) || in.Button3) {
        if (!u.TouchUpLockKeyDown) TouchUpToggleLock(s, u);
        u.TouchUpLockKeyDown = true;
    } else {
        u.TouchUpLockKeyDown = false;
    }
}

void TouchUpWheel(TouchUpStroke& u, int delta) {
    int corner = u.TouchUpCorner + (delta > 0 ? 1 : delta < 0 ? -1 : 0);
    if (corner >= 5) corner = 1;
    if (corner <= 0) corner = 4;
    u.TouchUpCorner = corner;
}

}  // namespace vh
